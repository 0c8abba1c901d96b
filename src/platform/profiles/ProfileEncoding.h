#pragma once

#include <QByteArray>
#include <QString>

// How the text of a local file is stored, decided once for the whole file.
//
// A file that starts with a byte-order mark is UTF-16 (FF FE little endian,
// FE FF big endian) or UTF-8 (EF BB BF), and keeps that mark and encoding.
// A file without a mark is UTF-8 when all of it is valid UTF-8 and it holds
// at least one multi-byte sequence; otherwise it is Windows-1250, the ANSI
// code page of a Czech system (plain ASCII included).
class ProfileEncoding
{
public:
    enum Kind { Ansi, Utf8, Utf8WithMark, Utf16LE, Utf16BE };

    ProfileEncoding(Kind kind = Ansi) : m_kind(kind) {}

    // The encoding of a whole file.
    static ProfileEncoding detect(const QByteArray &file);
    // Valid UTF-8 that holds at least one multi-byte sequence.
    static bool isUtf8Text(const QByteArray &bytes);

    Kind kind() const { return m_kind; }
    // The byte-order mark the file starts with; empty when it has none.
    QByteArray mark() const;
    // Bytes per code unit: 2 for UTF-16, else 1.
    int unitSize() const { return isUtf16() ? 2 : 1; }
    // The code unit at byte offset 'at' (a multiple of unitSize()).
    char16_t unitAt(const QByteArray &bytes, qsizetype at) const;

    // Text without a mark. A byte-order mark inside the bytes is a
    // character, not a marker to drop. Every byte string of a Windows-1250
    // or UTF-16 file decodes and re-encodes unchanged. Invalid UTF-8, an
    // incomplete sequence at the end included, becomes U+FFFD, so a part of
    // a line decodes as it does within the line.
    QString decode(const QByteArray &bytes) const;
    QByteArray encode(const QString &text) const;
    // False when a character of the text has no byte in this encoding.
    bool canHold(const QString &text) const;

private:
    bool isUtf16() const { return m_kind == Utf16LE || m_kind == Utf16BE; }

    Kind m_kind;
};
