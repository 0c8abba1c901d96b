#include "RequestOnlyBrowser.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

RequestOnlyBrowser::RequestOnlyBrowser(QWidget *parent, QNetworkAccessManager *network)
    : BrowserControl(parent), m_network(network)
{
}

void RequestOnlyBrowser::navigate(const QString &url)
{
    m_url = url;
    request();
}

void RequestOnlyBrowser::refresh()
{
    if (!m_url.isEmpty())
        request();
}

// Like a browser, a new load ends the one still running.
void RequestOnlyBrowser::request()
{
    if (m_reply)
        m_reply->abort();
    QNetworkRequest page{QUrl(m_url)};
    page.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    page.setTransferTimeout(transferTimeoutMs);
    QNetworkReply *reply = m_network->get(page);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply] { reply->skip(reply->bytesAvailable()); });
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    m_reply = reply;
}
