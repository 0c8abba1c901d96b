#include "FileSearch.h"

#include <QDir>
#include <QFileInfo>
#include <deque>
#include <utility>

FileSearch::FileSearch(QDeadlineTimer deadline, const std::atomic<bool> &cancelled)
    : m_deadline(deadline), m_cancelled(cancelled)
{
}

bool FileSearch::stopped() const
{
    return m_cancelled.load(std::memory_order_relaxed) || m_deadline.hasExpired();
}

bool FileSearch::enter(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || m_seen.contains(canonical))
        return false;
    m_seen.insert(canonical);
    return true;
}

QStringList FileSearch::find(const QString &root, const QSet<QString> &names, int depth)
{
    QStringList found;
    std::deque<std::pair<QString, int>> queue;
    if (enter(root))
        queue.emplace_back(root, 0);
    while (!queue.empty() && !stopped()) {
        const auto [folder, level] = queue.front();
        queue.pop_front();
        const QFileInfoList entries =
            QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (entry.isDir()) {
                if (level < depth && entry.isReadable() && entry.isExecutable() && enter(entry.absoluteFilePath()))
                    queue.emplace_back(entry.absoluteFilePath(), level + 1);
            } else if (names.contains(entry.fileName().toLower())) {
                found << entry.absoluteFilePath();
            }
        }
    }
    return found;
}
