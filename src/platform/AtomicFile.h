#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Replaces a file whole or not at all. The bytes go to a temporary file of
// the launcher's own naming next to the target ("<name>.ovcl-partial"); every
// write and the flush to disk are checked, and only then is the temporary
// renamed over the target. On any failure the target keeps its old bytes and
// the temporary is removed. A temporary left behind by a killed process is
// removed by the next write of the same target, or by removeLeftover().
// A target that is a symbolic link stays one: the file it names is replaced.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &target);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Creates the temporary file. False when it cannot be created.
    bool open();
    // False when not every byte reached the file (a full disk, a size limit).
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Flushes the bytes to disk and renames the temporary over the target.
    // False on any error, after which the target is as it was.
    bool commit();
    // Drops what was written; the target is untouched.
    void discard();

    QString target() const { return m_target; }

    // The temporary file that a write of 'target' uses.
    static QString temporaryPath(const QString &target);
    // Removes a temporary of 'target' that an interrupted write left behind.
    // Touches no other file.
    static void removeLeftover(const QString &target);

private:
    QString m_target;
    QString m_final; // the target, or the file it links to
    QFile m_file;
    bool m_failed = false;
};
