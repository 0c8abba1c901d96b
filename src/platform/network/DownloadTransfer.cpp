#include "DownloadTransfer.h"

#include "HttpRequest.h"
#include "platform/profiles/AtomicFile.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <climits>

namespace {

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

bool isRedirect(const HttpHead &head)
{
    return head.status >= 300 && head.status <= 399 && !head.location.isEmpty();
}

// How one request ended.
struct Answer
{
    enum Kind { Body, Redirect, Failed, NotWritten } kind = Failed;
    QUrl next; // where a redirect points
};

// Sends one request and waits for its answer; a 2xx body goes into 'out'.
// Redirects are followed by the caller, one request per address, so that
// each one is looked at before it is asked.
Answer ask(const QUrl &url, const DownloadLimits &limits, const QDeadlineTimer &deadline, AtomicFile &out,
           qint64 &saved)
{
    QEventLoop loop;
    QTimer timeLimit;
    bool ended = false, complete = false, refused = false, unwritten = false;
    HttpHead head;
    // Declared last, so it goes first: its connection is closed on return.
    HttpRequest request;

    // Only a successful answer is read on; any other ends with its head. A
    // declared length over the limit fails before any body arrives.
    request.onHead = [&](const HttpHead &answer) {
        head = answer;
        if (!isSuccess(answer.status))
            return false;
        refused = answer.contentLength > limits.maxBytes;
        return !refused;
    };
    request.onBody = [&](const char *data, qsizetype size) {
        if (saved + size > limits.maxBytes) {
            refused = true;
            return false;
        }
        if (!out.write(data, size)) {
            unwritten = true;
            return false;
        }
        saved += size;
        return true;
    };
    QObject::connect(&request, &HttpRequest::finished, &loop, [&](bool whole) {
        ended = true;
        complete = whole;
        loop.quit();
    });
    QObject::connect(&timeLimit, &QTimer::timeout, &loop, [&] {
        request.abort();
        refused = true;
        loop.quit();
    });

    HttpRequest::Options options;
    options.connectTimeoutMs = int(qBound(qint64(1), qMin(qint64(limits.connectTimeoutMs), deadline.remainingTime()),
                                          qint64(INT_MAX)));
    options.maxHeaderBytes = limits.maxHeaderBytes;
    if (!request.start(url, options))
        return {Answer::Failed, {}};
    timeLimit.setSingleShot(true);
    timeLimit.setTimerType(Qt::PreciseTimer);
    timeLimit.start(int(qBound(qint64(0), deadline.remainingTime(), qint64(INT_MAX))));
    // The caller waits here while the program goes on serving its events:
    // windows repaint, timers fire, the tray answers. Whoever calls must not
    // be runnable again meanwhile (a one-shot step has already switched its
    // timer off; the counter tick starts nothing while a refresh runs).
    loop.exec();
    // The application quits: every event loop ends, and so does this fetch.
    if (!ended) {
        request.abort();
        refused = true;
    }

    if (unwritten)
        return {Answer::NotWritten, {}};
    if (refused)
        return {Answer::Failed, {}};
    if (isSuccess(head.status))
        return {complete ? Answer::Body : Answer::Failed, {}};
    if (isRedirect(head))
        return {Answer::Redirect, url.resolved(QUrl::fromEncoded(head.location))};
    return {Answer::Failed, {}};
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

DownloadTransfer::Outcome DownloadTransfer::run(const QUrl &url, int timeLeftMs)
{
    AtomicFile out(m_file);
    if (!out.open())
        return Outcome::NotWritten;
    const QDeadlineTimer deadline(timeLeftMs);
    qint64 saved = 0;
    QUrl address = url;
    for (int redirects = 0;; ++redirects) {
        const Answer answer = ask(address, m_limits, deadline, out, saved);
        switch (answer.kind) {
        case Answer::Body:
            return out.commit() ? Outcome::Saved : Outcome::NotWritten;
        case Answer::NotWritten:
            return Outcome::NotWritten;
        case Answer::Failed:
            return Outcome::Failed;
        case Answer::Redirect:
            if (redirects == m_limits.maxRedirects || !HttpRequest::mayFollow(address, answer.next) || deadline.hasExpired())
                return Outcome::Failed;
            address = answer.next;
            break;
        }
    }
}
