#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Folders found one way or another, each listed once however many paths or
// links lead to it, in the order found.
class FolderList
{
public:
    // Lists 'folder' when it holds 'marker' (a sub-folder) and is not listed yet.
    bool add(const QString &folder, const QString &marker);
    QStringList list() const { return m_list; }

private:
    QStringList m_list;
    QSet<QString> m_seen; // canonical paths
};
