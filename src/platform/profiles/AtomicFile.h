#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Replaces a file whole or not at all. The bytes go to a temporary file next
// to the target, "<name>.<random>.ovcl-partial", made exclusively for this
// write, so that writers of one target never share one; every write and the
// flush to disk are checked, and only then is the temporary renamed over the
// target and the folder flushed, so that a replacement reported as done
// survives a power cut. On any failure the target keeps its old bytes and
// the temporary is removed.
//
// The new file keeps the old one's standing: a target that may not be
// written (read-only) is not replaced, and the new file gets the old one's
// mode and, where the system allows, its owner. A target that is a symbolic
// link stays one: the file it names is replaced.
//
// A writer holds its temporary while it lives (an advisory lock on it);
// removeLeftovers() removes only temporaries that no live writer holds.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &target);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Creates the temporary file. False when it cannot be created or the
    // target may not be written.
    bool open();
    // False when not every byte reached the file (a full disk, a size limit).
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Flushes the bytes to disk and renames the temporary over the target.
    // False on any error, after which the target is as it was.
    bool commit();
    // Drops what was written; the target is untouched.
    void discard();

    // Removes the temporaries of 'target' that an interrupted write left
    // behind; those of writers still running stay. Touches no other file.
    static void removeLeftovers(const QString &target);

private:
    // The temporaries of 'target' that are there now, held or not: those
    // of this naming and the single "<name>.ovcl-partial" of older versions.
    static QStringList temporariesOf(const QString &target);
    bool createTemporary();

    QString m_target;
    QString m_final; // the target, or the file it links to
    QFile m_file;
    bool m_failed = false;
};
