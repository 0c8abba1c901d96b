#pragma once

#include "ProfileEncoding.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A classic profile file held in memory, read and written as the Windows
// profile functions do.
//
// "[name]" opens a section (the name runs to the last ']' of the line) and
// "key=value" lines follow it. Section and key names match without regard to
// ASCII case; the first matching section and the first matching key in it
// win. LF, CR LF and CR alone end a line. Blanks, tabs and Ctrl-Z around
// names and values do not count.
//
// The encoding is decided once for the whole file (see ProfileEncoding) and
// kept by a write. Every line that setValue() does not touch is written back
// byte for byte, so comments, unknown lines and other keys survive a write;
// every line ends in CR LF when written.
//
// Large files stay cheap: the document keeps the file's bytes as they are
// and, per line, only where it lies, what it is and a hash of its name; text
// is decoded only for the lines a call looks at.
class IniDocument
{
public:
    static constexpr int MaxValueLength = 2047;

    static IniDocument parse(const QByteArray &data);

    // The value up to a NUL, trimmed, without one pair of matching quotes
    // around it, and cut to MaxValueLength characters; or defaultValue when
    // the section or key is missing.
    QString value(const QString &section, const QString &key,
                  const QString &defaultValue = QString()) const;

    // Replaces the key's line, or adds the key after the last key of its
    // section, or adds the section with the key at the end of the document.
    // Each argument ends at a NUL, and CR and LF in it become blanks, so a
    // value stays on its line. A character that a Windows-1250 file cannot
    // hold turns the whole document into UTF-8.
    void setValue(const QString &section, const QString &key, const QString &text);
    // Removes every key of the section; its header and other lines stay, so
    // that setValue() then writes the section anew where it stood.
    void clearSection(const QString &section);

    QByteArray serialize() const;

private:
    enum Kind : quint8 { Other, Section, Key };

    // 16 bytes a line, whatever its length.
    struct Line
    {
        quint64 where = 0; // byte offset << 3 | added << 2 | kind
        quint32 size = 0;  // bytes, without the line break
        quint32 hash = 0;  // of the name, folded, for section and key lines

        Kind kind() const { return Kind(where & 3); }
        bool added() const { return where & 4; }
        qsizetype offset() const { return qsizetype(where >> 3); }
    };

    // Where a line's name and, for a key, its value lie (byte offsets).
    struct Parts
    {
        Kind kind = Other;
        qsizetype nameFrom = 0, nameTo = 0;
        qsizetype valueFrom = 0;
    };

    const QByteArray &store(const Line &line) const { return line.added() ? m_added : m_data; }
    QByteArray bytesOf(const Line &line) const;
    Parts partsOf(const QByteArray &bytes, qsizetype from, qsizetype to) const;
    Line makeLine(const QByteArray &bytes, qsizetype from, qsizetype to, bool added) const;
    Line appendLine(const QString &text);
    void addLine(qsizetype from, qsizetype to);
    quint32 nameHash(const QByteArray &bytes, qsizetype from, qsizetype to) const;
    QString nameOf(const Line &line) const;
    bool nameMatches(const Line &line, quint32 hash, const QString &name) const;
    int findSection(const QString &section) const;
    int sectionEnd(int header) const;
    int findKey(int header, const QString &key) const;
    void insertLine(int at, const Line &line);
    void reencode(const ProfileEncoding &encoding);
    QByteArray bytesIn(const ProfileEncoding &encoding, bool reencode) const;

    ProfileEncoding m_encoding;
    QByteArray m_data;   // the file as parsed
    QByteArray m_added;  // lines that setValue() made
    QList<Line> m_lines;
    QList<int> m_sections; // indices of the section lines, in order
    QByteArray m_tail;   // a stray last byte of a UTF-16 file, kept as it was
};
