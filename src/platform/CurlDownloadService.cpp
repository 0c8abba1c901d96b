#include "platform/CurlDownloadService.h"

#include <QFile>
#include <QSaveFile>

#include <curl/curl.h>

#include <memory>

namespace {

// curl_global_init runs once, on the first fetch; its outcome is kept.
bool curlInitialised()
{
    static const bool ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ok;
}

// Where the body goes while it arrives.
struct BodySink
{
    QSaveFile *file = nullptr;
    qint64 written = 0;
    qint64 limit = 0;
};

// Returning less than was offered makes curl abort with CURLE_WRITE_ERROR.
size_t writeBody(char *data, size_t size, size_t count, void *user)
{
    auto *sink = static_cast<BodySink *>(user);
    const size_t bytes = size * count;
    if (sink->written + qint64(bytes) > sink->limit)
        return 0;
    if (sink->file->write(data, qint64(bytes)) != qint64(bytes))
        return 0;
    sink->written += qint64(bytes);
    return bytes;
}

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

void configure(CURL *curl, const QByteArray &url, const CurlDownloadOptions &options, int timeLeftMs, BodySink *sink)
{
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(qMin(options.connectTimeoutMs, timeLeftMs)));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(timeLeftMs));
    // Refuses a declared Content-Length above the limit before any body
    // arrives; writeBody() enforces it for bodies of unknown length.
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(options.maxBytes));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "OVCL");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, sink);
}

} // namespace

CurlDownloadService::CurlDownloadService(const CurlDownloadOptions &options) : m_options(options)
{
}

void CurlDownloadService::beginBatch()
{
    if (m_batchDepth++ == 0)
        m_batchDeadline = QDeadlineTimer(m_options.totalTimeoutMs);
}

void CurlDownloadService::endBatch()
{
    if (m_batchDepth > 0)
        --m_batchDepth;
}

int CurlDownloadService::timeLeftMs() const
{
    if (m_batchDepth == 0)
        return m_options.totalTimeoutMs;
    return int(qBound(qint64(0), m_batchDeadline.remainingTime(), qint64(m_options.totalTimeoutMs)));
}

void CurlDownloadService::downloadToFile(const QString &url, const QString &file)
{
    if (!curlInitialised())
        throw DownloadError(QStringLiteral("Unable to load libcurl"));
    EasyHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        throw DownloadError(QStringLiteral("Unable to load libcurl"));

    const QString failure = QStringLiteral("Error downloading URL: ") + url;

    // The temporary file lies in the target's folder and is dropped unless
    // commit() renames it onto the target.
    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    // A timeout of 0 would mean "no limit" to curl: a spent batch fails at once.
    const int timeLeft = timeLeftMs();
    bool ok = timeLeft > 0 && out.open(QIODevice::WriteOnly);
    if (ok) {
        BodySink sink{&out, 0, m_options.maxBytes};
        const QByteArray urlBytes = url.toUtf8();
        configure(curl.get(), urlBytes, m_options, timeLeft, &sink);
        const CURLcode result = curl_easy_perform(curl.get());
        long status = 0;
        curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
        curl.reset(); // the handle serves this one transfer only
        ok = result == CURLE_OK && status >= 200 && status <= 299 && out.commit();
    }
    if (!ok) {
        if (out.isOpen()) {
            out.cancelWriting();
            out.commit(); // with writing cancelled, this only drops the temporary file
        }
        QFile::remove(file);
        throw DownloadError(failure);
    }
}
