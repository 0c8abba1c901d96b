#include "FolderList.h"

#include <QDir>
#include <QFileInfo>

bool FolderList::add(const QString &folder, const QString &marker)
{
    if (folder.isEmpty() || !QFileInfo(folder + QLatin1Char('/') + marker).isDir())
        return false;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || m_seen.contains(canonical))
        return false;
    m_seen.insert(canonical);
    m_list << QDir::cleanPath(folder);
    return true;
}
