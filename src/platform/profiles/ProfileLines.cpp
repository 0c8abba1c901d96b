#include "ProfileLines.h"

#include "ProfileEncoding.h"

// Line breaks are single code units in every encoding, so the lines are
// found in the bytes and only the part of each that is kept is decoded. The
// encoding is still the whole file's.
QStringList ProfileLines::first(const QByteArray &bytes, int maxLines, qsizetype maxChars)
{
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
