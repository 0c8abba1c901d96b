#include "FileSearch.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <deque>
#include <utility>

FileSearch::FileSearch(const SearchBound &bound) : m_bound(bound)
{
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
    while (!queue.empty() && !m_bound.stopped()) {
        const auto [folder, level] = queue.front();
        queue.pop_front();
        QFileInfoList entries;
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            if (m_bound.stoppedAt(++m_steps))
                return found;
            it.next();
            entries << it.fileInfo();
        }
        std::sort(entries.begin(), entries.end(),
                  [](const QFileInfo &a, const QFileInfo &b) { return a.fileName() < b.fileName(); });
        for (const QFileInfo &entry : entries) {
            if (m_bound.stoppedAt(++m_steps))
                return found;
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
