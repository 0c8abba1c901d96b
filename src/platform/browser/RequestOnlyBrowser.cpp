#include "RequestOnlyBrowser.h"

#include "platform/network/HttpRequest.h"

#include <QTimer>
#include <QUrl>

RequestOnlyBrowser::RequestOnlyBrowser(QWidget *parent, int deadlineMs)
    : BrowserControl(parent), m_deadlineMs(deadlineMs), m_deadline(new QTimer(this))
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
// sending them would otherwise never trip a limit on silence. An address
// that cannot be asked for ends at once, as a failed load.
void RequestOnlyBrowser::request()
{
    giveUp();
    auto *request = new HttpRequest(this);
    HttpRequest::Options options;
    options.maxHeaderBytes = maxHeaderBytes;
    options.maxRedirects = maxRedirects;
    if (!request->start(QUrl(m_url), options)) {
        delete request;
        return;
    }
    connect(request, &HttpRequest::finished, this, [this, request] {
        if (m_request == request) {
            m_deadline->stop();
            m_request = nullptr;
        }
        request->deleteLater();
    });
    m_request = request;
    m_deadline->start(m_deadlineMs);
}

void RequestOnlyBrowser::giveUp()
{
    m_deadline->stop();
    if (m_request) {
        m_request->abort();
        m_request->deleteLater();
    }
    m_request = nullptr;
}
