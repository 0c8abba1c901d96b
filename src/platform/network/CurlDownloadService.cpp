#include "CurlDownloadService.h"

#include "DownloadTransfer.h"
#include "HttpRequest.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QUrl>

CurlDownloadService::CurlDownloadService(const DownloadLimits &limits) : m_limits(limits)
{
}

CurlDownloadService::~CurlDownloadService() = default;

void CurlDownloadService::beginBatch()
{
    if (m_batchDepth++ == 0)
        m_batchDeadline = QDeadlineTimer(m_limits.totalTimeoutMs);
}

void CurlDownloadService::endBatch()
{
    if (m_batchDepth > 0)
        --m_batchDepth;
}

int CurlDownloadService::timeLeftMs() const
{
    if (m_batchDepth == 0)
        return m_limits.totalTimeoutMs;
    return int(qBound(qint64(0), m_batchDeadline.remainingTime(), qint64(m_limits.totalTimeoutMs)));
}

void CurlDownloadService::downloadToFile(const QString &url, const QString &file)
{
    if (!QCoreApplication::instance() || !HttpRequest::available())
        throw DownloadError(QStringLiteral("Unable to load libcurl"));
    const QString failure = QStringLiteral("Error downloading URL: ") + url;

    // A fetch is a batch of its own: whatever runs while it waits and fetches
    // too shares its time, so waits never pile up.
    const int timeLeft = timeLeftMs();
    const DownloadBatch batch(*this);
    const QUrl address(url);
    const QString target = QFileInfo(file).absoluteFilePath();
    // A fetch of a file that is still being fetched would write into the
    // same temporary file; the running one decides what the file holds.
    if (m_running.contains(target))
        throw DownloadError(failure);
    if (timeLeft <= 0 || !DownloadTransfer::isWebAddress(address)) {
        QFile::remove(file);
        throw DownloadError(failure);
    }

    m_running.insert(target);
    const auto done = qScopeGuard([&] { m_running.remove(target); });
    switch (DownloadTransfer(m_limits, file).run(address, timeLeft)) {
    case DownloadTransfer::Outcome::Saved:
        return;
    case DownloadTransfer::Outcome::Failed:
        QFile::remove(file);
        break;
    case DownloadTransfer::Outcome::NotWritten:
        break;
    }
    throw DownloadError(failure);
}
