#pragma once

#include "SearchBound.h"

#include <QSet>
#include <QString>
#include <QStringList>

// A bounded walk through folders for files of given names (matched without
// regard to case). One search shares its bound and the folders it has seen
// across all its walks: a folder reached again through a symbolic link is
// not entered twice, unreadable folders are skipped, and the walk stops,
// also inside a large folder, once the bound says so.
class FileSearch
{
public:
    explicit FileSearch(const SearchBound &bound);

    // Files below 'root', at most 'depth' folders down, whose lower-case
    // names are in 'names'; in the order found, breadth first, each folder's
    // entries by name.
    QStringList find(const QString &root, const QSet<QString> &names, int depth);

private:
    bool enter(const QString &folder);

    const SearchBound &m_bound;
    QSet<QString> m_seen; // canonical paths of folders entered
    quint64 m_steps = 0;
};
