#include "platform/IniDocument.h"

namespace {

// Ctrl-Z, the old end-of-file mark, counts as a blank.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x1A);
}

QString trimBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text.at(from)))
        ++from;
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

// One pair of the same quote character around a value is not part of it.
QString unquoted(const QString &text)
{
    if (text.size() >= 2 && (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\''))
        && text.back() == text.front())
        return text.mid(1, text.size() - 2);
    return text;
}

// Text ends at a NUL, as a C string does.
QString upToNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
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

IniDocument::Line IniDocument::classify(const QByteArray &raw, const QString &text)
{
    Line line;
    line.raw = raw;
    line.text = text;
    const QString trimmed = trimBlanks(text);
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = Line::Section;
            line.name = trimBlanks(trimmed.mid(1, close - 1));
            return line;
        }
    }
    if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return line;
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return line;
    const QString key = trimBlanks(text.left(eq));
    if (key.isEmpty())
        return line;
    line.kind = Line::Key;
    line.name = key;
    line.value = text.mid(eq + 1);
    return line;
}

IniDocument::Line IniDocument::makeLine(const QString &text) const
{
    return classify(m_encoding.encode(text), text);
}

IniDocument IniDocument::parse(const QByteArray &data)
{
    IniDocument doc;
    doc.m_encoding = ProfileEncoding::detect(data);
    const ProfileEncoding &enc = doc.m_encoding;
    const qsizetype unit = enc.unitSize();
    qsizetype end = data.size();
    if ((end - enc.mark().size()) % unit != 0) {
        --end;
        doc.m_tail = data.right(1);
    }

    const auto addLine = [&doc, &data, &enc](qsizetype from, qsizetype to) {
        const QByteArray raw = data.mid(from, to - from);
        doc.m_lines.append(classify(raw, enc.decode(raw)));
    };
    qsizetype start = enc.mark().size();
    qsizetype at = start;
    while (at < end) {
        const char16_t c = enc.unitAt(data, at);
        if (c != '\r' && c != '\n') {
            at += unit;
            continue;
        }
        addLine(start, at);
        at += unit;
        if (c == '\r' && at < end && enc.unitAt(data, at) == '\n')
            at += unit;
        start = at;
    }
    if (start < end)
        addLine(start, end); // the last line has no line break
    return doc;
}

int IniDocument::findSection(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).kind == Line::Section && sameName(m_lines.at(i).name, section))
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && m_lines.at(i).kind != Line::Section)
        ++i;
    return i;
}

QString IniDocument::value(const QString &section, const QString &key,
                           const QString &defaultValue) const
{
    const int header = findSection(section);
    if (header < 0)
        return defaultValue;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind != Line::Key || !sameName(line.name, key))
            continue;
        QString text = unquoted(trimBlanks(upToNul(line.value)));
        if (text.size() > MaxValueLength) {
            int cut = MaxValueLength;
            if (text.at(cut - 1).isHighSurrogate())
                --cut; // never split a character in two
            text.truncate(cut);
        }
        return text;
    }
    return defaultValue;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &text)
{
    const QString sectionName = oneLine(section);
    const QString keyName = oneLine(key);
    const QString value = oneLine(text);

    // No character is ever lost: a Windows-1250 file that cannot hold one
    // becomes a UTF-8 file, every line of it re-encoded.
    if (!m_encoding.canHold(sectionName + keyName + value)) {
        m_encoding = ProfileEncoding::Utf8;
        for (Line &line : m_lines)
            line.raw = m_encoding.encode(line.text);
    }

    const int header = findSection(sectionName);
    if (header < 0) {
        m_lines.append(makeLine(QLatin1Char('[') + sectionName + QLatin1Char(']')));
        m_lines.append(makeLine(keyName + QLatin1Char('=') + value));
        return;
    }

    const int end = sectionEnd(header);
    int insertAt = header + 1;
    for (int i = header + 1; i < end; ++i) {
        Line &line = m_lines[i];
        if (line.kind != Line::Key)
            continue;
        if (sameName(line.name, keyName)) {
            line = makeLine(line.name + QLatin1Char('=') + value);
            return;
        }
        insertAt = i + 1;
    }
    m_lines.insert(insertAt, makeLine(keyName + QLatin1Char('=') + value));
}

QByteArray IniDocument::bytesIn(const ProfileEncoding &encoding, bool reencode) const
{
    const QByteArray lineBreak = encoding.encode(QStringLiteral("\r\n"));
    QByteArray out = encoding.mark();
    for (const Line &line : m_lines) {
        out += reencode ? encoding.encode(line.text) : line.raw;
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
