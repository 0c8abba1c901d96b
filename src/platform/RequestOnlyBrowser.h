#pragma once

#include "BrowserControl.h"

#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// A browser control that nobody ever sees: only its requests count. It asks
// the server for the page, reads the answer away and keeps nothing, so no
// browser engine is started for it.
class RequestOnlyBrowser : public BrowserControl
{
    Q_OBJECT
public:
    RequestOnlyBrowser(QWidget *parent, QNetworkAccessManager *network);

    void navigate(const QString &url) override;
    // Asks for the last page again; nothing before the first navigation.
    void refresh() override;

    // A request still waiting for the server after this long is given up.
    static constexpr int transferTimeoutMs = 20000;

private:
    void request();

    QNetworkAccessManager *m_network;
    QString m_url;
    QPointer<QNetworkReply> m_reply;
};
