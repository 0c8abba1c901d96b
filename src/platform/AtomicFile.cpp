#include "platform/AtomicFile.h"

#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const char *const partialSuffix = ".ovcl-partial";

// Pushes the file's bytes to the disk: errors that a file system reports only
// when it allocates the blocks (a full disk) come back here.
bool syncToDisk(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

} // namespace

AtomicFile::AtomicFile(const QString &target) : m_target(target), m_file(temporaryPath(target))
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

QString AtomicFile::temporaryPath(const QString &target)
{
    return target + QLatin1String(partialSuffix);
}

void AtomicFile::removeLeftover(const QString &target)
{
    const QString partial = temporaryPath(target);
    const QFileInfo info(partial);
    if (info.isFile() && !info.isSymLink())
        QFile::remove(partial);
}

bool AtomicFile::open()
{
    removeLeftover(m_target);
    m_failed = false;
    // Unbuffered: a write that does not reach the file fails at once, not
    // in some later flush whose result is easy to lose.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const QFileInfo old(m_target);
    if (old.isFile())
        m_file.setPermissions(old.permissions());
    return true;
}

bool AtomicFile::write(const char *data, qint64 size)
{
    if (!m_file.isOpen() || m_failed)
        return false;
    qint64 done = 0;
    while (done < size) {
        const qint64 n = m_file.write(data + done, size - done);
        if (n <= 0) {
            m_failed = true;
            return false;
        }
        done += n;
    }
    return true;
}

bool AtomicFile::commit()
{
    if (!m_file.isOpen())
        return false;
    bool ok = !m_failed && m_file.flush() && syncToDisk(m_file) && m_file.error() == QFileDevice::NoError;
    m_file.close();
    ok = ok && m_file.error() == QFileDevice::NoError;
    // std::rename replaces the target in one step where the system allows it.
    ok = ok && std::rename(QFile::encodeName(m_file.fileName()).constData(),
                           QFile::encodeName(m_target).constData()) == 0;
    if (!ok)
        QFile::remove(m_file.fileName());
    return ok;
}

void AtomicFile::discard()
{
    if (m_file.isOpen()) {
        m_file.close();
        QFile::remove(m_file.fileName());
    }
}
