#include "platform/IniDocument.h"

#include "platform/Windows1250.h"

#include <QStringDecoder>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimBlanks(const QByteArray &bytes)
{
    qsizetype from = 0;
    qsizetype to = bytes.size();
    while (from < to && isBlank(bytes.at(from)))
        ++from;
    while (to > from && isBlank(bytes.at(to - 1)))
        --to;
    return bytes.mid(from, to - from);
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

// Line breaks in written text become blanks, so nothing spills onto a new line.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool hasHighBytes(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

QString IniDocument::decodeText(const QByteArray &bytes)
{
    if (QByteArrayView(bytes).isValidUtf8()) {
        // A byte-order mark inside a value is a character of it, not a marker to drop.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    return Windows1250::decode(bytes);
}

QByteArray IniDocument::encodeText(const QString &text)
{
    if (Windows1250::canEncode(text)) {
        const QByteArray bytes = Windows1250::encode(text);
        // A few letter pairs (such as "Ă©") give bytes that are also valid
        // UTF-8 and would read back as other letters; those go out as UTF-8.
        if (!hasHighBytes(bytes) || !QByteArrayView(bytes).isValidUtf8())
            return bytes;
    }
    return text.toUtf8();
}

IniDocument::Line IniDocument::classify(const QByteArray &raw)
{
    Line line;
    line.raw = raw;
    const QByteArray trimmed = trimBlanks(raw);
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = Line::Section;
            line.name = decodeText(trimBlanks(trimmed.mid(1, close - 1)));
        }
        return line;
    }
    if (trimmed.startsWith(';') || trimmed.startsWith('#'))
        return line;
    const qsizetype eq = raw.indexOf('=');
    if (eq < 0)
        return line;
    const QByteArray key = trimBlanks(raw.left(eq));
    if (key.isEmpty())
        return line;
    line.kind = Line::Key;
    line.keyRaw = key;
    line.name = decodeText(key);
    line.valueRaw = raw.mid(eq + 1);
    return line;
}

IniDocument IniDocument::parse(const QByteArray &data)
{
    IniDocument doc;
    QByteArray body = data;
    if (body.startsWith(kUtf8Bom)) {
        doc.m_utf8Bom = true;
        body.remove(0, kUtf8Bom.size());
    }
    QList<QByteArray> rows = body.split('\n');
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast(); // the break after the last line, or an empty file
    for (QByteArray &row : rows) {
        if (row.endsWith('\r'))
            row.chop(1);
        doc.m_lines.append(classify(row));
    }
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
        QString text = decodeText(trimBlanks(line.valueRaw));
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
    const QByteArray keyBytes = encodeText(oneLine(key));
    const QByteArray valueBytes = encodeText(oneLine(text));

    const int header = findSection(section);
    if (header < 0) {
        m_lines.append(classify('[' + encodeText(oneLine(section)) + ']'));
        m_lines.append(classify(keyBytes + '=' + valueBytes));
        return;
    }

    const int end = sectionEnd(header);
    int insertAt = header + 1;
    for (int i = header + 1; i < end; ++i) {
        Line &line = m_lines[i];
        if (line.kind != Line::Key)
            continue;
        if (sameName(line.name, key)) {
            line = classify(line.keyRaw + '=' + valueBytes);
            return;
        }
        insertAt = i + 1;
    }
    m_lines.insert(insertAt, classify(keyBytes + '=' + valueBytes));
}

QByteArray IniDocument::serialize() const
{
    QByteArray out;
    if (m_utf8Bom)
        out += kUtf8Bom;
    for (const Line &line : m_lines) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}
