#include "AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char *const partialSuffix = ".ovcl-partial";
constexpr int randomLength = 12;

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

// Makes the rename itself durable: the folder's entry reaches the disk.
// File systems that cannot flush a folder (EINVAL) have nothing to do.
bool syncFolder(const QString &file)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    return true; // MOVEFILE_WRITE_THROUGH has done it
#else
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
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

// A file that is there but marked read-only, or that this user may not
// write, is not replaced (the Windows profile functions fail there too,
// even for an administrator).
bool mayReplace(const QString &file)
{
#ifdef Q_OS_WIN
    const QFileInfo info(file);
    return !info.exists() || info.isWritable();
#else
    const QByteArray name = QFile::encodeName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT;
    return (st.st_mode & 0222) != 0 && ::access(name.constData(), W_OK) == 0;
#endif
}

// Gives the open temporary the owner (where allowed) and exact mode of the
// file it replaces.
void takeStandingOf(const QString &file, QFile &temporary)
{
#ifdef Q_OS_WIN
    const QFileInfo old(file);
    if (old.isFile())
        temporary.setPermissions(old.permissions());
#else
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return;
    const int fd = temporary.handle();
    // Only the superuser may give a file away; for others this keeps the
    // group where it can. Changing the owner clears set-id bits, so the
    // mode comes after it.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0 && ::fchown(fd, uid_t(-1), st.st_gid) != 0) {
    }
    (void)::fchmod(fd, st.st_mode & 07777);
#endif
}

QString randomPart()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString part(randomLength, Qt::Uninitialized);
    for (QChar &c : part)
        c = QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet - 1))]);
    return part;
}

// "<name>.ovcl-partial" or "<name>.<random>.ovcl-partial".
bool isTemporaryName(const QString &entry, const QString &name)
{
    const QString suffix = QLatin1String(partialSuffix);
    if (entry == name + suffix)
        return true;
    if (entry.size() != name.size() + 1 + randomLength + suffix.size() || !entry.startsWith(name)
        || entry.at(name.size()) != QLatin1Char('.') || !entry.endsWith(suffix))
        return false;
    for (qsizetype i = name.size() + 1; i < name.size() + 1 + randomLength; ++i) {
        const QChar c = entry.at(i);
        if (!(c >= QLatin1Char('a') && c <= QLatin1Char('z')) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    }
    return true;
}

#ifndef Q_OS_WIN
bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
#endif

// Removes a temporary that no writer holds. A link of that name goes, not
// the file it points to; a folder stays.
void removeUnheld(const QString &path)
{
#ifdef Q_OS_WIN
    // An open file cannot be deleted: a running writer keeps its own.
    const QFileInfo info(path);
    if (info.isSymbolicLink() || info.isFile())
        QFile::remove(path);
#else
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return;
    if (S_ISLNK(st.st_mode)) {
        ::unlink(name.constData());
        return;
    }
    if (!S_ISREG(st.st_mode))
        return;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held {};
    // Still the file looked at, and no writer holds it: removed while this
    // holds it, so that no writer can take it up in between.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && ::lstat(name.constData(), &st) == 0
        && sameFile(held, st))
        ::unlink(name.constData());
    ::close(fd);
#endif
}

} // namespace

AtomicFile::AtomicFile(const QString &target) : m_target(target), m_final(finalFile(target))
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

QStringList AtomicFile::temporariesOf(const QString &target)
{
    const QFileInfo info(target);
    const QString name = info.fileName();
    QStringList found;
    const QDir folder = info.dir();
    for (const QString &entry :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (isTemporaryName(entry, name))
            found << folder.filePath(entry);
    }
    return found;
}

void AtomicFile::removeLeftovers(const QString &target)
{
    for (const QString &path : temporariesOf(target))
        removeUnheld(path);
}

bool AtomicFile::createTemporary()
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        m_file.setFileName(m_final + QLatin1Char('.') + randomPart() + QLatin1String(partialSuffix));
        // Unbuffered: a write that does not reach the file fails at once,
        // not in some later flush whose result is easy to lose. A new file
        // only: never written through a link that appeared in between.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (QFileInfo::exists(m_file.fileName()) || QFileInfo(m_file.fileName()).isSymLink())
                continue; // the same name drawn twice
            return false;
        }
#ifndef Q_OS_WIN
        // Held from now on. A clean-up that took the file in the moment
        // before removes it: then another name is drawn.
        const QByteArray name = QFile::encodeName(m_file.fileName());
        struct stat mine {}, there {};
        if (::flock(m_file.handle(), LOCK_EX | LOCK_NB) != 0 || ::fstat(m_file.handle(), &mine) != 0
            || ::lstat(name.constData(), &there) != 0 || !sameFile(mine, there)) {
            m_file.close();
            continue;
        }
#endif
        return true;
    }
    return false;
}

bool AtomicFile::open()
{
    removeLeftovers(m_final);
    m_failed = false;
    if (!mayReplace(m_final))
        return false;
    return createTemporary();
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
    // The old file's standing as it is at the moment of the replacement.
    bool ok = !m_failed && mayReplace(m_final);
    if (ok)
        takeStandingOf(m_final, m_file);
    ok = ok && m_file.flush() && syncToDisk(m_file) && m_file.error() == QFileDevice::NoError;
    const QString temporary = m_file.fileName();
#ifdef Q_OS_WIN
    // Windows renames no open file.
    m_file.close();
    ok = ok && m_file.error() == QFileDevice::NoError && replaceFile(temporary, m_final);
#else
    // Renamed while still held, so that no clean-up takes it in between.
    ok = ok && replaceFile(temporary, m_final);
    m_file.close();
#endif
    if (!ok) {
        QFile::remove(temporary);
        return false;
    }
    return syncFolder(m_final);
}

void AtomicFile::discard()
{
    if (m_file.isOpen()) {
        m_file.close();
        QFile::remove(m_file.fileName());
    }
}
