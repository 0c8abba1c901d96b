#pragma once

#include "platform/ProfileEncoding.h"

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

    QByteArray serialize() const;

    ProfileEncoding encoding() const { return m_encoding; }

private:
    struct Line
    {
        enum Kind { Other, Section, Key };
        QByteArray raw;   // the line as stored, without its line break
        QString text;     // the line decoded
        Kind kind = Other;
        QString name;     // section or key name as written, trimmed
        QString value;    // key lines: everything after the first '='
    };

    Line makeLine(const QString &text) const;
    static Line classify(const QByteArray &raw, const QString &text);
    int findSection(const QString &section) const;
    int sectionEnd(int header) const;
    QByteArray bytesIn(const ProfileEncoding &encoding, bool reencode) const;

    ProfileEncoding m_encoding;
    QList<Line> m_lines;
    QByteArray m_tail; // a stray last byte of a UTF-16 file, kept as it was
};
