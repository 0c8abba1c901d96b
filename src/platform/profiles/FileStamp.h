#pragma once

#include <QString>

#include <optional>

// What tells one version of a file from the next without reading it: the
// file's identity on its device, its size and its modification time to the
// nanosecond. Every replacement of a profile file makes a new file, and an
// edit in place moves the modification time, so an equal stamp means the
// same bytes, except for changes that fall within one tick of the file
// system's clock; isSettled() tells those apart.
class FileStamp
{
public:
    // The stamp of a regular file (a link is followed); nothing when the
    // path names no regular file.
    static std::optional<FileStamp> of(const QString &path);

    // True when the file was last modified long enough ago that a change
    // within the same tick of the file system's clock can no longer follow
    // unseen; until then an equal stamp does not prove equal bytes.
    bool isSettled() const;

    bool operator==(const FileStamp &other) const
    {
        return m_device == other.m_device && m_inode == other.m_inode && m_size == other.m_size
            && m_modifiedNs == other.m_modifiedNs;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }

private:
    quint64 m_device = 0;
    quint64 m_inode = 0;
    qint64 m_size = 0;
    qint64 m_modifiedNs = 0;
};
