#include "platform/DownloadTransfer.h"

#include "platform/AtomicFile.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

int statusOf(const QNetworkReply &reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

QNetworkRequest requestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    // Redirects are followed here, one request per address, so that each
    // one is looked at before it is asked.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent", "OVCL");
    // The body is saved as the server sends it, never unpacked.
    request.setRawHeader("Accept-Encoding", "identity");
    return request;
}

void startLimit(QTimer &timer, qint64 ms)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(int(qBound(qint64(0), ms, qint64(INT_MAX))));
}

// How one request ended.
struct Answer
{
    enum Kind { Body, Redirect, Failed, NotWritten } kind = Failed;
    QUrl next; // where a redirect points
};

// Sends one request and waits for its answer; a 2xx body goes into 'out'.
Answer ask(QNetworkAccessManager &network, const QUrl &url, const DownloadLimits &limits,
           const QDeadlineTimer &deadline, AtomicFile &out, qint64 &saved)
{
    QEventLoop loop;
    QTimer connectLimit, timeLimit;
    bool ended = false, refused = false, unwritten = false;
    // Declared last, so it goes first: nothing it emits then reaches the rest.
    const std::unique_ptr<QNetworkReply> reply(network.get(requestFor(url)));
    reply->setReadBufferSize(64 * 1024);

    const auto refuse = [&] {
        refused = true;
        reply->abort();
        loop.quit();
    };
    const auto take = [&] {
        if (refused || unwritten || reply->bytesAvailable() <= 0)
            return;
        const QByteArray chunk = reply->readAll();
        // Only a successful answer is saved; any other fails when it ends.
        if (!isSuccess(statusOf(*reply)))
            return;
        if (saved + chunk.size() > limits.maxBytes)
            return refuse();
        if (!out.write(chunk)) {
            unwritten = true;
            reply->abort();
            loop.quit();
            return;
        }
        saved += chunk.size();
    };
    // A declared length over the limit fails before any body arrives.
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (isSuccess(statusOf(*reply)) && length.isValid() && length.toLongLong() > limits.maxBytes)
            refuse();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, take);
    QObject::connect(reply.get(), &QNetworkReply::requestSent, &connectLimit, &QTimer::stop);
    QObject::connect(reply.get(), &QNetworkReply::finished, [&] {
        take();
        ended = true;
        loop.quit();
    });
    QObject::connect(&connectLimit, &QTimer::timeout, refuse);
    QObject::connect(&timeLimit, &QTimer::timeout, refuse);
    startLimit(timeLimit, deadline.remainingTime());
    startLimit(connectLimit, qMin(qint64(limits.connectTimeoutMs), deadline.remainingTime()));

    if (reply->isFinished()) {
        take();
        ended = true;
    }
    // The caller waits here while the program goes on serving its events:
    // windows repaint, timers fire, the tray answers. Whoever calls must not
    // be runnable again meanwhile (a one-shot step has already switched its
    // timer off; the counter tick starts nothing while a refresh runs).
    if (!ended && !refused && !unwritten)
        loop.exec();
    // The application quits: every event loop ends, and so does this fetch.
    if (!ended)
        refuse();

    if (unwritten)
        return {Answer::NotWritten, {}};
    if (refused || reply->error() != QNetworkReply::NoError)
        return {Answer::Failed, {}};
    const int status = statusOf(*reply);
    const QByteArray location = reply->rawHeader("Location");
    if (status >= 300 && status <= 399 && !location.isEmpty())
        return {Answer::Redirect, url.resolved(QUrl::fromEncoded(location))};
    return {isSuccess(status) ? Answer::Body : Answer::Failed, {}};
}

} // namespace

DownloadTransfer::DownloadTransfer(const DownloadLimits &limits, const QString &file) : m_limits(limits), m_file(file)
{
}

bool DownloadTransfer::isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

DownloadTransfer::Outcome DownloadTransfer::run(QNetworkAccessManager &network, const QUrl &url, int timeLeftMs)
{
    AtomicFile out(m_file);
    if (!out.open())
        return Outcome::NotWritten;
    const QDeadlineTimer deadline(timeLeftMs);
    qint64 saved = 0;
    QUrl address = url;
    for (int redirects = 0;; ++redirects) {
        const Answer answer = ask(network, address, m_limits, deadline, out, saved);
        switch (answer.kind) {
        case Answer::Body:
            return out.commit() ? Outcome::Saved : Outcome::NotWritten;
        case Answer::NotWritten:
            return Outcome::NotWritten;
        case Answer::Failed:
            return Outcome::Failed;
        case Answer::Redirect:
            if (redirects == m_limits.maxRedirects || !isWebAddress(answer.next) || deadline.hasExpired())
                return Outcome::Failed;
            address = answer.next;
            break;
        }
    }
}
