#pragma once

#include <QDeadlineTimer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>

// A bounded walk through folders for files of given names (matched without
// regard to case). One search shares its deadline and the folders it has
// seen across all its walks: a folder reached again through a symbolic link
// is not entered twice, unreadable folders are skipped, and nothing is
// walked once the deadline has passed or the search was cancelled.
class FileSearch
{
public:
    FileSearch(QDeadlineTimer deadline, const std::atomic<bool> &cancelled);

    // Files below 'root', at most 'depth' folders down, whose lower-case
    // names are in 'names'; in the order found, breadth first.
    QStringList find(const QString &root, const QSet<QString> &names, int depth);

    // The deadline passed or the search was cancelled.
    bool stopped() const;

private:
    bool enter(const QString &folder);

    QDeadlineTimer m_deadline;
    const std::atomic<bool> &m_cancelled;
    QSet<QString> m_seen; // canonical paths of folders entered
};
