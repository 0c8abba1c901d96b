#pragma once

#include <QLockFile>
#include <QString>

// Makes writers of one profile file, in this process or another, take
// turns: a read-modify-write holds the lock file "<file>.ovcl-lock" next to
// the file from before it reads until the new file is in place.
//
// Waiting is short: a writer holds the lock for one write, so acquire()
// gives up after MaxWaitMs rather than freeze the user-interface thread. A
// lock left by a process that has died is taken over as soon as it is seen
// to be stale, and so is one whose owner cannot be told (an empty or
// unreadable lock file, another machine's) once it is older than
// StaleAfterMs. A live writer is never overtaken, however long it holds the
// lock: two writers in one file would lose each other's keys. While it holds
// on (a process stopped in the middle of a write), every other writer waits
// MaxWaitMs and fails ("Unable to write to <file>"); once it lets go or ends,
// writes succeed again.
class ProfileLock
{
public:
    static constexpr int MaxWaitMs = 2000;
    static constexpr int StaleAfterMs = 30000;

    explicit ProfileLock(const QString &file);
    ~ProfileLock();
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;

    // Waits for the lock, at most MaxWaitMs. False when another writer
    // keeps it that long or the lock file cannot be made at all.
    bool acquire();

    // Removes the lock file of 'file' if a process that has died left it.
    static void removeStale(const QString &file);

private:
    static QString lockPath(const QString &file); // "<file>.ovcl-lock"

    QString m_path;
    QLockFile m_lock;
};
