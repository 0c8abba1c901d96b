#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Turning the bytes of a reply into texts fit to show: bounded in length,
// without control characters and without the games' colour codes.
namespace ReplyText {

// Latin-1 bytes (Quake 3 and GameSpy games), with Quake 3 colour codes
// ^0 to ^9 removed.
QString fromLatin1(const QByteArray &bytes);
// UTF-8 bytes (Source engine replies).
QString fromUtf8(const QByteArray &bytes);
// Drops control characters, trims and cuts to ReplyLimits::MaxText.
QString tidy(QString text);

// A decimal count clamped to 0..ReplyLimits::MaxCount; 0 when it is no number.
int count(const QString &text);
// "1", "true", "yes" in any case.
bool flag(const QString &text);

// "\key\value\key\value..." as a map; the first of repeated keys wins and at
// most ReplyLimits::MaxPairs pairs are read. Keys are kept as given.
QHash<QByteArray, QByteArray> backslashPairs(const QByteArray &text);

} // namespace ReplyText
