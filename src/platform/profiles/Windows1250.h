#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1250 (Central European), the ANSI code page of a Czech
// system. Bytes below 0x80 are ASCII. The five bytes the code page leaves
// unassigned (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 controls of the
// same number, as Windows does, so every byte string decodes and re-encodes
// unchanged.
namespace Windows1250 {

QString decode(const QByteArray &bytes);

// True when every character of the text has a Windows-1250 byte.
bool canEncode(const QString &text);

// Characters without a Windows-1250 byte become '?'.
QByteArray encode(const QString &text);

} // namespace Windows1250
