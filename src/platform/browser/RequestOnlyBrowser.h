#pragma once

#include "BrowserControl.h"

#include <QPointer>
#include <QString>

class HttpRequest;
class QTimer;

// A browser control that nobody ever sees: only its requests count. It asks
// the server for the page, reads the answer away as it arrives and keeps
// nothing, so no browser engine is started for it. Its requests run on the
// program's own event loop (HttpRequest): a request that ends has closed its
// connection.
class RequestOnlyBrowser : public BrowserControl
{
    Q_OBJECT
public:
    // A request still running 'deadlineMs' after it was sent is given up,
    // whatever the server is sending meanwhile.
    explicit RequestOnlyBrowser(QWidget *parent, int deadlineMs = deadlineLimitMs);

    void navigate(const QString &url) override;
    // Asks for the last page again; nothing before the first navigation.
    void refresh() override;

    static constexpr int deadlineLimitMs = 20000;
    // The longest head of an answer read, as browsers allow.
    static constexpr qint64 maxHeaderBytes = 256 * 1024;
    // Redirects followed, as a browser would.
    static constexpr int maxRedirects = 20;

private:
    void request();
    void giveUp();

    QString m_url;
    QPointer<HttpRequest> m_request;
    int m_deadlineMs;
    QTimer *m_deadline; // named "deadline"
};
