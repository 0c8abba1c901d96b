#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A classic profile file held in memory.
//
// "[name]" opens a section and "key=value" lines follow it. Section and key
// names match without regard to ASCII case; the first matching section and the
// first matching key in it win. Every line that is not touched by setValue()
// is written back byte for byte, so comments, unknown lines and other keys
// survive a write. Lines end in LF or CR LF when read and in CR LF when written.
//
// Text is stored per name and per value: UTF-8 when the bytes are valid UTF-8,
// Windows-1250 otherwise (see decodeText() and encodeText()).
class IniDocument
{
public:
    static constexpr int MaxValueLength = 2047;

    static IniDocument parse(const QByteArray &data);

    // The value trimmed of blanks and tabs and cut to MaxValueLength
    // characters, or defaultValue when the section or key is missing.
    QString value(const QString &section, const QString &key,
                  const QString &defaultValue = QString()) const;

    // Replaces the key's line, or adds the key after the last key of its
    // section, or adds the section with the key at the end of the document.
    // CR and LF in the text become blanks, so a value stays on its line.
    void setValue(const QString &section, const QString &key, const QString &text);

    QByteArray serialize() const;

    // Valid UTF-8 decodes as UTF-8, anything else as Windows-1250.
    static QString decodeText(const QByteArray &bytes);
    // Windows-1250 when every character has a byte there and the result cannot
    // be mistaken for UTF-8 when read back; UTF-8 otherwise. decodeText() of
    // the result always gives the text back.
    static QByteArray encodeText(const QString &text);

private:
    struct Line
    {
        enum Kind { Other, Section, Key };
        QByteArray raw;     // the line as stored, without its line break
        Kind kind = Other;
        QString name;       // section or key name, decoded
        QByteArray keyRaw;  // key lines: the key as stored, trimmed
        QByteArray valueRaw; // key lines: everything after the first '='
    };

    static Line classify(const QByteArray &raw);
    int findSection(const QString &section) const;
    int sectionEnd(int header) const;

    QList<Line> m_lines;
    bool m_utf8Bom = false;
};
