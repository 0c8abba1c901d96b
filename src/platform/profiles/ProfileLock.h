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
// to be stale; one older than StaleAfterMs is taken over even from a live
// process, which would be stuck far beyond any write.
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

    static QString lockPath(const QString &file);
    // Removes the lock file of 'file' if a process that has died left it.
    static void removeStale(const QString &file);

private:
    QString m_path;
    QLockFile m_lock;
};
