#include "platform/AtomicFile.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace {

const char *const partialSuffix = ".ovcl-partial";

// Pushes the file's bytes to the disk: errors that a file system reports only
// when it allocates the blocks (a full disk) come back here.
bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Puts 'from' in the place of 'to' in one step, replacing it.
bool replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    return ::MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                         reinterpret_cast<const wchar_t *>(to.utf16()),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// The file a write of 'target' replaces: a link is followed to the file it
// names, so that the link stays a link.
QString finalFile(const QString &target)
{
    QFileInfo info(target);
    for (int depth = 0; depth < 32 && info.isSymbolicLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymbolicLink() ? target : info.filePath();
}

} // namespace

AtomicFile::AtomicFile(const QString &target)
    : m_target(target), m_final(finalFile(target)), m_file(temporaryPath(m_final))
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
    // A link of that name goes, not the file it points to; a folder stays.
    if (info.isSymbolicLink() || info.isFile())
        QFile::remove(partial);
}

bool AtomicFile::open()
{
    removeLeftover(m_final);
    m_failed = false;
    // Unbuffered: a write that does not reach the file fails at once, not
    // in some later flush whose result is easy to lose. A new file only:
    // never written through a link that appeared in between.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;
    const QFileInfo old(m_final);
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
    ok = ok && replaceFile(m_file.fileName(), m_final);
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
