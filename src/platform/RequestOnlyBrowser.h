#pragma once

#include "BrowserControl.h"

#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// A browser control that nobody ever sees: only its requests count. It asks
// the server for the page, reads the answer away as it arrives and keeps
// nothing, so no browser engine is started for it.
class RequestOnlyBrowser : public BrowserControl
{
    Q_OBJECT
public:
    // A request still running 'deadlineMs' after it was sent is given up,
    // whatever the server is sending meanwhile.
    RequestOnlyBrowser(QWidget *parent, QNetworkAccessManager *network, int deadlineMs = deadlineLimitMs);

    void navigate(const QString &url) override;
    // Asks for the last page again; nothing before the first navigation.
    void refresh() override;

    // True while a request runs.
    bool isLoading() const;

    static constexpr int deadlineLimitMs = 20000;

private:
    void request();
    void giveUp();

    QNetworkAccessManager *m_network;
    QString m_url;
    QPointer<QNetworkReply> m_reply;
    int m_deadlineMs;
    QTimer *m_deadline; // named "deadline"
};
