#include "FileStamp.h"

#include <QDateTime>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// File systems keep modification times in ticks of up to two seconds
// (FAT); a file changed less than this long ago may change again without
// its time moving.
constexpr qint64 kClockTickNs = 2'000'000'000;

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000;
}

} // namespace

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    FileStamp stamp;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    stamp.m_size = info.size();
    stamp.m_modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
#else
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    stamp.m_device = quint64(st.st_dev);
    stamp.m_inode = quint64(st.st_ino);
    stamp.m_size = qint64(st.st_size);
    stamp.m_modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
#endif
    return stamp;
}

bool FileStamp::isSettled() const
{
    const qint64 age = nowNs() - m_modifiedNs;
    return age > kClockTickNs; // a time in the future is never settled
}
