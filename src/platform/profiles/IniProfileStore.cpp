#include "IniProfileStore.h"

#include "AtomicFile.h"
#include "ProfileLines.h"
#include "ProfileLock.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <limits>
#include <optional>

namespace {

// The whole file, or nothing when it is missing or cannot be read.
std::optional<QByteArray> readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

// True when the file holds exactly these bytes; read in pieces, so that no
// second copy of a large file is made.
bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() != bytes.size())
        return false;
    QByteArray piece(1 << 20, Qt::Uninitialized);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = f.read(piece.data(), qMin<qint64>(piece.size(), bytes.size() - done));
        if (n <= 0 || memcmp(piece.constData(), bytes.constData() + done, size_t(n)) != 0)
            return false;
        done += n;
    }
    return f.atEnd();
}

} // namespace

std::optional<IniDocument> IniProfileStore::document(const QString &file)
{
    const std::optional<FileStamp> stamp = FileStamp::of(file);
    auto known = m_parsed.find(file);
    if (known != m_parsed.end() && (!stamp || known->stamp != *stamp)) {
        m_parsed.erase(known); // its memory is free before the file is read again
        known = m_parsed.end();
    }
    if (known != m_parsed.end() && stamp->isSettled())
        return known->document;

    // A file changed within one tick of its clock may look the same by its
    // stamp: its bytes tell.
    if (known != m_parsed.end() && holdsBytes(file, known->bytes))
        return known->document;
    m_parsed.remove(file);
    const std::optional<QByteArray> data = stamp ? readAll(file) : std::nullopt;
    if (!data)
        return std::nullopt;
    IniDocument parsed = IniDocument::parse(*data);
    // Kept only when the bytes read are those of the stamp.
    if (FileStamp::of(file) == stamp)
        m_parsed.insert(file, Parsed{*stamp, *data, parsed});
    return parsed;
}

QString IniProfileStore::readValue(const QString &file, const QString &section,
                                   const QString &key, const QString &defaultValue)
{
    const std::optional<IniDocument> doc = document(file);
    return doc ? doc->value(section, key, defaultValue) : defaultValue;
}

void IniProfileStore::writeValue(const QString &file, const QString &section,
                                 const QString &key, const QString &text)
{
    change(file, [&](IniDocument &doc) { doc.setValue(section, key, text); });
}

void IniProfileStore::writeSection(const QString &file, const QString &section,
                                   const QList<QPair<QString, QString>> &keys)
{
    change(file, [&](IniDocument &doc) {
        doc.clearSection(section);
        for (const auto &[key, text] : keys)
            doc.setValue(section, key, text);
    });
}

void IniProfileStore::change(const QString &file, const std::function<void(IniDocument &)> &edit)
{
    if (QFileInfo(file).isDir())
        throw ProfileWriteError(file);

    // Read, change and replace as one step that no other writer of the
    // file comes between.
    ProfileLock lock(file);
    if (!lock.acquire())
        throw ProfileWriteError(file);

    std::optional<IniDocument> doc = IniDocument();
    if (QFileInfo::exists(file)) {
        // A file that is there but cannot be read is not overwritten:
        // its other keys would be lost.
        doc = document(file);
        if (!doc)
            throw ProfileWriteError(file);
    }
    // The file is about to change; its parsed copy is changed here in
    // place, not copied.
    m_parsed.remove(file);
    edit(*doc);
    const QByteArray bytes = doc->serialize();
    doc.reset();

    // The old file stays whole on any failure: the bytes reach the disk
    // in a temporary file first, and only a checked flush renames it.
    AtomicFile out(file);
    if (!out.open() || !out.write(bytes) || !out.commit())
        throw ProfileWriteError(file);
}

void IniProfileStore::deleteFile(const QString &file)
{
    QFile::remove(file);
}

QStringList IniProfileStore::loadLines(const QString &file)
{
    return loadFirstLines(file, std::numeric_limits<int>::max(),
                          std::numeric_limits<qsizetype>::max() / 4);
}

QStringList IniProfileStore::loadFirstLines(const QString &file, int maxLines, qsizetype maxChars)
{
    const std::optional<QByteArray> data = readAll(file);
    if (!data)
        throw FileLoadError(file);
    return ProfileLines::first(*data, maxLines, maxChars);
}
