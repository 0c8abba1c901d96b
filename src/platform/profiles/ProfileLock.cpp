#include "ProfileLock.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QThread>

namespace {

// How long a writer that has just let the lock go stays away from it, so
// that one waiting in acquire() gets its turn even when this writer writes
// again at once.
constexpr qint64 kTurnNs = 3'000'000;
// How often a waiting writer looks at the lock.
constexpr unsigned long kPollUs = 500;

// When this process last let each lock go.
struct Releases
{
    QMutex mutex;
    QHash<QString, qint64> at; // steady clock, ns
    QElapsedTimer clock;
    Releases() { clock.start(); }
};

Releases &releases()
{
    static Releases r;
    return r;
}

// Waits out the rest of this process's pause after its last release.
void awaitTurn(const QString &path)
{
    Releases &r = releases();
    qint64 wait = 0;
    {
        QMutexLocker lock(&r.mutex);
        const auto it = r.at.constFind(path);
        if (it != r.at.cend())
            wait = *it + kTurnNs - r.clock.nsecsElapsed();
    }
    if (wait > 0)
        QThread::usleep(static_cast<unsigned long>(wait / 1000));
}

void noteRelease(const QString &path)
{
    Releases &r = releases();
    QMutexLocker lock(&r.mutex);
    if (r.at.size() > 64)
        r.at.clear();
    r.at.insert(path, r.clock.nsecsElapsed());
}

} // namespace

ProfileLock::ProfileLock(const QString &file) : m_path(lockPath(file)), m_lock(m_path)
{
    m_lock.setStaleLockTime(StaleAfterMs);
}

ProfileLock::~ProfileLock()
{
    if (m_lock.isLocked()) {
        m_lock.unlock();
        noteRelease(m_path);
    }
}

QString ProfileLock::lockPath(const QString &file)
{
    return file + QLatin1String(".ovcl-lock");
}

bool ProfileLock::acquire()
{
    awaitTurn(m_path);
    // QLockFile's own waiting sleeps 100 ms and more between looks; a
    // write takes a few milliseconds, so look far more often.
    const QDeadlineTimer deadline(MaxWaitMs);
    for (;;) {
        if (m_lock.tryLock(0))
            return true;
        if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::usleep(kPollUs);
    }
}

void ProfileLock::removeStale(const QString &file)
{
    // Taking the lock over removes a stale one; letting it go removes the
    // lock file.
    QLockFile lock(lockPath(file));
    lock.setStaleLockTime(StaleAfterMs);
    if (lock.tryLock(0))
        lock.unlock();
}
