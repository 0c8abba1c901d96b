#include "platform/IniProfileStore.h"

#include "platform/AtomicFile.h"
#include "platform/IniDocument.h"
#include "platform/ProfileEncoding.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

QString IniProfileStore::readValue(const QString &file, const QString &section,
                                   const QString &key, const QString &defaultValue)
{
    const std::optional<QByteArray> data = readAll(file);
    if (!data)
        return defaultValue;
    return IniDocument::parse(*data).value(section, key, defaultValue);
}

void IniProfileStore::writeValue(const QString &file, const QString &section,
                                 const QString &key, const QString &text)
{
    const QFileInfo info(file);
    if (info.isDir())
        throw ProfileWriteError(file);

    QByteArray existing;
    if (info.exists()) {
        // A file that is there but cannot be read is not overwritten:
        // its other keys would be lost.
        const std::optional<QByteArray> data = readAll(file);
        if (!data)
            throw ProfileWriteError(file);
        existing = *data;
    }

    IniDocument doc = IniDocument::parse(existing);
    doc.setValue(section, key, text);
    const QByteArray bytes = doc.serialize();

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

// Line breaks are single code units in every encoding, so the lines are
// found in the bytes and only the part of each that is kept is decoded. The
// encoding is still the whole file's.
QStringList IniProfileStore::loadFirstLines(const QString &file, int maxLines, qsizetype maxChars)
{
    const std::optional<QByteArray> data = readAll(file);
    if (!data)
        throw FileLoadError(file);
    const QByteArray &bytes = *data;
    const ProfileEncoding encoding = ProfileEncoding::detect(bytes);
    const qsizetype unit = encoding.unitSize();
    const qsizetype size = bytes.size() - bytes.size() % unit;
    const auto isBreak = [&](qsizetype at) {
        const char16_t c = encoding.unitAt(bytes, at);
        return c == u'\r' || c == u'\n';
    };
    QStringList lines;
    qsizetype from = encoding.mark().size();
    while (lines.size() < maxLines && from < size) {
        qsizetype end = from;
        while (end < size && !isBreak(end))
            end += unit;
        // No character takes more than four bytes.
        QString line = encoding.decode(bytes.mid(from, qMin(end - from, 4 * maxChars)));
        if (line.size() > maxChars) {
            const bool splitsPair = maxChars > 0 && line.at(maxChars - 1).isHighSurrogate();
            line.truncate(qMax<qsizetype>(0, splitsPair ? maxChars - 1 : maxChars));
        }
        lines << line;
        const bool crlf = end + unit < size && encoding.unitAt(bytes, end) == u'\r'
                          && encoding.unitAt(bytes, end + unit) == u'\n';
        from = end + (crlf ? 2 : 1) * unit;
    }
    return lines;
}
