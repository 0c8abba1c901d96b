#include "ScriptedDownloads.h"

#include <QFile>

void ScriptedDownloads::downloadToFile(const QString &url, const QString &file)
{
    requested << url;
    batchOf << (m_depth > 0 ? m_batches : 0);
    if (m_log)
        m_log->add(QStringLiteral("download %1").arg(url));
    const auto it = bodies.constFind(url);
    if (it == bodies.constEnd())
        throw DownloadError(QStringLiteral("Error downloading URL: %1").arg(url));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(*it) != it->size())
        throw DownloadError(QStringLiteral("Error downloading URL: %1").arg(url));
}
