#include "platform/QtNetworkDownloadService.h"

#include "platform/DownloadTransfer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QScopeGuard>
#include <QUrl>

QtNetworkDownloadService::QtNetworkDownloadService(const DownloadLimits &limits) : m_limits(limits)
{
}

QtNetworkDownloadService::~QtNetworkDownloadService() = default;

void QtNetworkDownloadService::beginBatch()
{
    if (m_batchDepth++ == 0)
        m_batchDeadline = QDeadlineTimer(m_limits.totalTimeoutMs);
}

void QtNetworkDownloadService::endBatch()
{
    if (m_batchDepth > 0)
        --m_batchDepth;
}

int QtNetworkDownloadService::timeLeftMs() const
{
    if (m_batchDepth == 0)
        return m_limits.totalTimeoutMs;
    return int(qBound(qint64(0), m_batchDeadline.remainingTime(), qint64(m_limits.totalTimeoutMs)));
}

void QtNetworkDownloadService::downloadToFile(const QString &url, const QString &file)
{
    if (!QCoreApplication::instance())
        throw DownloadError(QStringLiteral("Unable to load QtNetwork"));
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

    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    m_running.insert(target);
    const auto done = qScopeGuard([&] { m_running.remove(target); });
    switch (DownloadTransfer(m_limits, file).run(*m_network, address, timeLeft)) {
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
