#include "HttpRequest.h"

#include <QSocketNotifier>
#include <QUrl>

#include <climits>

#include <curl/curl.h>

namespace {

bool isWebScheme(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The value of a header line "Name: value" when it is 'name', else null.
QByteArray valueOf(const QByteArray &line, const QByteArray &name)
{
    if (line.size() <= name.size() || line.at(name.size()) != ':'
        || qstrnicmp(line.constData(), name.constData(), name.size()) != 0)
        return QByteArray();
    return line.mid(name.size() + 1).trimmed();
}

} // namespace

HttpRequest::HttpRequest(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

HttpRequest::~HttpRequest()
{
    close();
}

bool HttpRequest::available()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

bool HttpRequest::start(const QUrl &url, const Options &options)
{
    if (m_multi || !available() || !url.isValid() || url.host().isEmpty() || !isWebScheme(url))
        return false;
    m_multi = curl_multi_init();
    m_easy = curl_easy_init();
    if (!m_multi || !m_easy) {
        close();
        return false;
    }
    m_maxHeaderBytes = options.maxHeaderBytes;
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &HttpRequest::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &HttpRequest::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);

    CURL *easy = m_easy;
    curl_easy_setopt(easy, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Ending a request never waits for a name lookup still running.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    // One request per connection: whatever ends a request closes its connection.
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, options.userAgent.constData());
    // The body is taken as the server sends it, never unpacked.
    m_headers = curl_slist_append(nullptr, "Accept-Encoding: identity");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, static_cast<curl_slist *>(m_headers));
    if (options.connectTimeoutMs > 0)
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(options.connectTimeoutMs));
    if (options.maxRedirects > 0) {
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, long(options.maxRedirects));
        // Each hop is looked at as its head arrives (headerLine()): the
        // protocols libcurl may follow are fixed for the whole chain.
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR,
                         url.scheme() == QLatin1String("https") ? "https" : "http,https");
        m_followsRedirects = true;
    }
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &HttpRequest::onHeaderLine);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpRequest::onBodyPiece);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    if (curl_multi_add_handle(m_multi, easy) != CURLM_OK) {
        close();
        return false;
    }
    return true;
}

bool HttpRequest::mayFollow(const QUrl &from, const QUrl &to)
{
    const QString scheme = to.scheme();
    const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
    return to.isValid() && !to.host().isEmpty() && web
        && (scheme == QLatin1String("https") || from.scheme() != QLatin1String("https"));
}

void HttpRequest::abort()
{
    close();
}

// Removing the transfer before its end makes libcurl close the connection;
// the socket's notifiers go with it.
void HttpRequest::close()
{
    m_timer.stop();
    if (m_easy) {
        if (m_multi)
            curl_multi_remove_handle(m_multi, m_easy);
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
    if (m_multi) {
        curl_multi_cleanup(m_multi);
        m_multi = nullptr;
    }
    curl_slist_free_all(static_cast<curl_slist *>(m_headers));
    m_headers = nullptr;
    for (auto &entry : m_watches) {
        for (QSocketNotifier *notifier : {entry.second.read, entry.second.write}) {
            if (notifier) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
        }
    }
    m_watches.clear();
}

int HttpRequest::onSocket(void *, int socket, int what, void *self, void *)
{
    static_cast<HttpRequest *>(self)->watch(socket, what);
    return 0;
}

int HttpRequest::onTimer(void *, long timeoutMs, void *self)
{
    QTimer &timer = static_cast<HttpRequest *>(self)->m_timer;
    timer.stop();
    if (timeoutMs >= 0)
        timer.start(int(qMin(timeoutMs, long(INT_MAX))));
    return 0;
}

// A notifier may be the one whose signal is being handled: it is switched
// off now and deleted once that is over.
void HttpRequest::watch(int socket, int what)
{
    Watch &w = m_watches[socket];
    const auto retire = [](QSocketNotifier *&notifier) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
            notifier = nullptr;
        }
    };
    if (what == CURL_POLL_REMOVE) {
        retire(w.read);
        retire(w.write);
        m_watches.erase(socket);
        return;
    }
    const auto want = [this, socket](QSocketNotifier *&notifier, QSocketNotifier::Type type, bool on, int event) {
        if (on && !notifier) {
            notifier = new QSocketNotifier(qintptr(socket), type, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, socket, event] { act(socket, event); });
        }
        if (notifier)
            notifier->setEnabled(on);
    };
    want(w.read, QSocketNotifier::Read, what & CURL_POLL_IN, CURL_CSELECT_IN);
    want(w.write, QSocketNotifier::Write, what & CURL_POLL_OUT, CURL_CSELECT_OUT);
}

void HttpRequest::act(int socket, int events)
{
    if (!m_multi)
        return;
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    reap();
}

// The last thing done: a slot of finished() may end this request's owner.
void HttpRequest::reap()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        const bool complete = message->data.result == CURLE_OK;
        close();
        emit finished(complete);
        return;
    }
}

size_t HttpRequest::onHeaderLine(char *data, size_t size, size_t count, void *self)
{
    const size_t bytes = size * count;
    return static_cast<HttpRequest *>(self)->headerLine(QByteArray(data, qsizetype(bytes))) ? bytes : 0;
}

size_t HttpRequest::onBodyPiece(char *data, size_t size, size_t count, void *self)
{
    auto *request = static_cast<HttpRequest *>(self);
    const size_t bytes = size * count;
    if (request->onBody && !request->onBody(data, qsizetype(bytes)))
        return 0;
    return bytes;
}

// Lines arrive one by one: the status line, the header lines, an empty line.
bool HttpRequest::headerLine(const QByteArray &line)
{
    if (line.startsWith("HTTP/")) {
        m_head = HttpHead();
        m_headerBytes = 0;
    }
    m_headerBytes += line.size();
    if (m_headerBytes > m_maxHeaderBytes)
        return false;
    const QByteArray text = line.trimmed();
    if (!text.isEmpty()) {
        bool ok = false;
        if (const QByteArray length = valueOf(text, "Content-Length"); !length.isNull()) {
            const qint64 value = length.toLongLong(&ok);
            m_head.contentLength = ok ? value : -1;
        } else if (const QByteArray location = valueOf(text, "Location"); !location.isNull()) {
            m_head.location = location;
        }
        return true;
    }
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    m_head.status = int(status);
    // An interim answer (100 Continue) is followed by the real one.
    if (status >= 100 && status <= 199)
        return true;
    if (m_followsRedirects && status >= 300 && status <= 399 && !m_head.location.isEmpty()) {
        char *current = nullptr;
        curl_easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &current);
        const QUrl from = QUrl::fromEncoded(QByteArray(current ? current : ""));
        if (!mayFollow(from, from.resolved(QUrl::fromEncoded(m_head.location))))
            return false;
    }
    return !onHead || onHead(m_head);
}
