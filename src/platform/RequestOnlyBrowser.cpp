#include "RequestOnlyBrowser.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
// What the network layer may hold of an answer before it is read away.
constexpr qint64 readBufferBytes = 64 * 1024;
} // namespace

RequestOnlyBrowser::RequestOnlyBrowser(QWidget *parent, QNetworkAccessManager *network, int deadlineMs)
    : BrowserControl(parent), m_network(network), m_deadlineMs(deadlineMs), m_deadline(new QTimer(this))
{
    m_deadline->setObjectName(QStringLiteral("deadline"));
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, &RequestOnlyBrowser::giveUp);
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

// Like a browser, a new load ends the one still running. The deadline
// covers the whole request, headers included: a server that never stops
// sending them would otherwise never trip a limit on silence.
void RequestOnlyBrowser::request()
{
    giveUp();
    QNetworkRequest page{QUrl(m_url)};
    page.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network->get(page);
    reply->setReadBufferSize(readBufferBytes);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply] { reply->skip(reply->bytesAvailable()); });
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (m_reply == reply) {
            m_deadline->stop();
            m_reply = nullptr;
        }
    });
    m_reply = reply;
    m_deadline->start(m_deadlineMs);
}

bool RequestOnlyBrowser::isLoading() const
{
    return !m_reply.isNull();
}

void RequestOnlyBrowser::giveUp()
{
    m_deadline->stop();
    if (m_reply)
        m_reply->abort();
    m_reply = nullptr;
}
