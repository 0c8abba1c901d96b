#include "IniDocument.h"

#include <algorithm>
#include <cstring>

namespace {

// Ctrl-Z, the old end-of-file mark, counts as a blank.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == 0x1A;
}

QString trimBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text.at(from).unicode()))
        ++from;
    while (to > from && isBlank(text.at(to - 1).unicode()))
        --to;
    return text.mid(from, to - from);
}

char16_t asciiLower(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

bool sameName(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a.at(i).unicode()) != asciiLower(b.at(i).unicode()))
            return false;
    }
    return true;
}

// FNV-1a over the characters with ASCII letters folded: equal for every
// two names that match.
constexpr quint32 kHashStart = 2166136261u;
quint32 hashStep(quint32 h, char16_t c)
{
    c = asciiLower(c);
    h = (h ^ (c & 0xFF)) * 16777619u;
    return (h ^ (c >> 8)) * 16777619u;
}

quint32 hashOf(const QString &name)
{
    quint32 h = kHashStart;
    for (QChar c : name)
        h = hashStep(h, c.unicode());
    return h;
}

// Text ends at a NUL, as a C string does.
QString upToNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

// Written text stops at a NUL, and line breaks in it become blanks, so
// nothing spills onto a new line.
QString oneLine(const QString &text)
{
    QString line = upToNul(text);
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

QByteArray IniDocument::bytesOf(const Line &line) const
{
    return QByteArray::fromRawData(store(line).constData() + line.offset(), line.size);
}

// The markers ('[', ']', '=', ';', '#', blanks) are ASCII, which every
// encoding here keeps as one code unit of its own, so the parts of a line
// are found in its bytes without decoding it.
IniDocument::Parts IniDocument::partsOf(const QByteArray &bytes, qsizetype from, qsizetype to) const
{
    const qsizetype unit = m_encoding.unitSize();
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const auto at = [&](qsizetype i) { return unit == 1 ? char16_t(p[i]) : m_encoding.unitAt(bytes, i); };
    Parts parts;
    qsizetype first = from;
    qsizetype last = to;
    while (first < last && isBlank(at(first)))
        first += unit;
    while (last > first && isBlank(at(last - unit)))
        last -= unit;
    if (first < last && at(first) == u'[') {
        qsizetype close = last - unit;
        while (close > first && at(close) != u']')
            close -= unit;
        if (close > first) {
            parts.kind = Section;
            parts.nameFrom = first + unit;
            parts.nameTo = close;
        }
    }
    if (parts.kind == Other) {
        if (first < last && (at(first) == u';' || at(first) == u'#'))
            return parts;
        qsizetype eq = from;
        if (unit == 1) {
            const char *found = static_cast<const char *>(memchr(bytes.constData() + from, '=', size_t(to - from)));
            eq = found ? found - bytes.constData() : to;
        } else {
            while (eq < to && at(eq) != u'=')
                eq += unit;
        }
        if (eq == to)
            return parts;
        parts.kind = Key;
        parts.nameFrom = from;
        parts.nameTo = eq;
        parts.valueFrom = eq + unit;
    }
    while (parts.nameFrom < parts.nameTo && isBlank(at(parts.nameFrom)))
        parts.nameFrom += unit;
    while (parts.nameTo > parts.nameFrom && isBlank(at(parts.nameTo - unit)))
        parts.nameTo -= unit;
    if (parts.kind == Key && parts.nameFrom == parts.nameTo)
        parts.kind = Other;
    return parts;
}

quint32 IniDocument::nameHash(const QByteArray &bytes, qsizetype from, qsizetype to) const
{
    if (m_encoding.unitSize() == 1) {
        // ASCII bytes are their own characters in both one-byte encodings.
        quint32 h = kHashStart;
        const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
        for (qsizetype i = from; i < to; ++i) {
            if (p[i] >= 0x80)
                return hashOf(m_encoding.decode(bytes.mid(from, to - from)));
            h = hashStep(h, p[i]);
        }
        return h;
    }
    quint32 h = kHashStart;
    for (qsizetype i = from; i < to; i += 2)
        h = hashStep(h, m_encoding.unitAt(bytes, i));
    return h;
}

IniDocument::Line IniDocument::makeLine(const QByteArray &bytes, qsizetype from, qsizetype to, bool added) const
{
    const Parts parts = partsOf(bytes, from, to);
    Line line;
    line.where = quint64(from) << 3 | (added ? 4 : 0) | parts.kind;
    line.size = quint32(to - from);
    if (parts.kind != Other)
        line.hash = nameHash(bytes, parts.nameFrom, parts.nameTo);
    return line;
}

void IniDocument::addLine(qsizetype from, qsizetype to)
{
    const Line line = makeLine(m_data, from, to, false);
    if (line.kind() == Section)
        m_sections.append(int(m_lines.size()));
    m_lines.append(line);
}

IniDocument::Line IniDocument::appendLine(const QString &text)
{
    const qsizetype from = m_added.size();
    m_added += m_encoding.encode(text);
    return makeLine(m_added, from, m_added.size(), true);
}

IniDocument IniDocument::parse(const QByteArray &data)
{
    IniDocument doc;
    doc.m_encoding = ProfileEncoding::detect(data);
    doc.m_data = data;
    const ProfileEncoding &enc = doc.m_encoding;
    const qsizetype unit = enc.unitSize();
    qsizetype end = data.size();
    if ((end - enc.mark().size()) % unit != 0) {
        --end;
        doc.m_tail = data.right(1);
    }

    qsizetype start = enc.mark().size();
    if (unit == 1) {
        const char *p = data.constData();
        doc.m_lines.reserve(std::count(p + start, p + end, '\n') + 1);
        qsizetype at = start;
        while (at < end) {
            while (at < end && p[at] != '\r' && p[at] != '\n')
                ++at;
            if (at == end)
                break;
            doc.addLine(start, at);
            at += (p[at] == '\r' && at + 1 < end && p[at + 1] == '\n') ? 2 : 1;
            start = at;
        }
    } else {
        qsizetype at = start;
        while (at < end) {
            const char16_t c = enc.unitAt(data, at);
            if (c != '\r' && c != '\n') {
                at += unit;
                continue;
            }
            doc.addLine(start, at);
            at += unit;
            if (c == '\r' && at < end && enc.unitAt(data, at) == '\n')
                at += unit;
            start = at;
        }
    }
    if (start < end)
        doc.addLine(start, end); // the last line has no line break
    return doc;
}

QString IniDocument::nameOf(const Line &line) const
{
    const QByteArray &bytes = store(line);
    const Parts parts = partsOf(bytes, line.offset(), line.offset() + line.size);
    return m_encoding.decode(QByteArray::fromRawData(bytes.constData() + parts.nameFrom, parts.nameTo - parts.nameFrom));
}

bool IniDocument::nameMatches(const Line &line, quint32 hash, const QString &name) const
{
    return line.hash == hash && sameName(nameOf(line), name);
}

int IniDocument::findSection(const QString &section) const
{
    const quint32 hash = hashOf(section);
    for (int i : m_sections) {
        if (nameMatches(m_lines.at(i), hash, section))
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int header) const
{
    const auto next = std::upper_bound(m_sections.cbegin(), m_sections.cend(), header);
    return next == m_sections.cend() ? int(m_lines.size()) : *next;
}

int IniDocument::findKey(int header, const QString &key) const
{
    const quint32 hash = hashOf(key);
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind() == Key && nameMatches(line, hash, key))
            return i;
    }
    return -1;
}

QString IniDocument::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const int header = findSection(section);
    const int found = header < 0 ? -1 : findKey(header, key);
    if (found < 0)
        return defaultValue;

    // The value's bounds are found in the bytes; only as much of it as can
    // be kept is decoded.
    const Line &line = m_lines.at(found);
    const QByteArray &bytes = store(line);
    const qsizetype unit = m_encoding.unitSize();
    const auto at = [&](qsizetype i) { return m_encoding.unitAt(bytes, i); };
    qsizetype from = partsOf(bytes, line.offset(), line.offset() + line.size).valueFrom;
    qsizetype to = line.offset() + line.size;
    if (unit == 1) {
        const char *nul = static_cast<const char *>(memchr(bytes.constData() + from, 0, size_t(to - from)));
        if (nul)
            to = nul - bytes.constData();
    } else {
        for (qsizetype i = from; i < to; i += unit) {
            if (at(i) == 0) {
                to = i;
                break;
            }
        }
    }
    while (from < to && isBlank(at(from)))
        from += unit;
    while (to > from && isBlank(at(to - unit)))
        to -= unit;
    // One pair of the same quote character around a value is not part of it.
    if (to - from >= 2 * unit && (at(from) == u'"' || at(from) == u'\'') && at(to - unit) == at(from)) {
        from += unit;
        to -= unit;
    }
    // No character takes more than four bytes; one more than is kept shows
    // where a cut would split a pair.
    const qsizetype enough = 4 * (MaxValueLength + 2);
    QString text = m_encoding.decode(QByteArray::fromRawData(bytes.constData() + from, qMin(to - from, enough)));
    if (text.size() > MaxValueLength) {
        int cut = MaxValueLength;
        if (text.at(cut - 1).isHighSurrogate())
            --cut; // never split a character in two
        text.truncate(cut);
    }
    return text;
}

void IniDocument::insertLine(int at, const Line &line)
{
    m_lines.insert(at, line);
    for (int &section : m_sections) {
        if (section >= at)
            ++section;
    }
    if (line.kind() == Section)
        m_sections.insert(std::lower_bound(m_sections.begin(), m_sections.end(), at), at);
}

void IniDocument::reencode(const ProfileEncoding &encoding)
{
    m_data = bytesIn(encoding, true);
    m_added.clear();
    m_encoding = encoding;
    const QByteArray lineBreak = encoding.encode(QStringLiteral("\r\n"));
    qsizetype offset = encoding.mark().size();
    for (Line &line : m_lines) {
        const qsizetype end = m_data.indexOf(lineBreak, offset);
        line = makeLine(m_data, offset, end, false);
        offset = end + lineBreak.size();
    }
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &text)
{
    const QString sectionName = oneLine(section);
    const QString keyName = oneLine(key);
    const QString value = oneLine(text);

    // No character is ever lost: a Windows-1250 file that cannot hold one
    // becomes a UTF-8 file, every line of it re-encoded.
    if (!m_encoding.canHold(sectionName + keyName + value))
        reencode(ProfileEncoding::Utf8);

    const int header = findSection(sectionName);
    if (header < 0) {
        insertLine(int(m_lines.size()), appendLine(QLatin1Char('[') + sectionName + QLatin1Char(']')));
        insertLine(int(m_lines.size()), appendLine(keyName + QLatin1Char('=') + value));
        return;
    }

    const int found = findKey(header, keyName);
    if (found >= 0) {
        m_lines[found] = appendLine(nameOf(m_lines.at(found)) + QLatin1Char('=') + value);
        return;
    }
    int insertAt = header + 1;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines.at(i).kind() == Key)
            insertAt = i + 1;
    }
    insertLine(insertAt, appendLine(keyName + QLatin1Char('=') + value));
}

void IniDocument::clearSection(const QString &section)
{
    const int header = findSection(oneLine(section));
    if (header < 0)
        return;
    for (int i = sectionEnd(header) - 1; i > header; --i) {
        if (m_lines.at(i).kind() != Key)
            continue;
        m_lines.removeAt(i);
        for (int &s : m_sections) {
            if (s > i)
                --s;
        }
    }
}

QByteArray IniDocument::bytesIn(const ProfileEncoding &encoding, bool reencode) const
{
    const QByteArray lineBreak = encoding.encode(QStringLiteral("\r\n"));
    QByteArray out = encoding.mark();
    if (!reencode)
        out.reserve(m_data.size() + m_added.size() + m_lines.size() * lineBreak.size() + 8);
    for (const Line &line : m_lines) {
        out += reencode ? encoding.encode(m_encoding.decode(bytesOf(line))) : bytesOf(line);
        out += lineBreak;
    }
    out += m_tail;
    return out;
}

QByteArray IniDocument::serialize() const
{
    const QByteArray bytes = bytesIn(m_encoding, false);
    // Windows-1250 bytes that happen to be valid UTF-8 as a whole would read
    // back as other letters; such a file is stored as UTF-8 instead.
    if (m_encoding.kind() == ProfileEncoding::Ansi && ProfileEncoding::isUtf8Text(bytes))
        return bytesIn(ProfileEncoding::Utf8, true);
    return bytes;
}
