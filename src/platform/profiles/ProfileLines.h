#pragma once

#include <QByteArray>
#include <QStringList>

// The lines of a text file's bytes, as the profile store reads them: the
// encoding is the whole file's (ProfileEncoding), and CR, LF or CR LF end a
// line.
class ProfileLines
{
public:
    // The first 'maxLines' lines, each cut to 'maxChars' characters; no more
    // of the bytes is decoded than they need.
    static QStringList first(const QByteArray &bytes, int maxLines, qsizetype maxChars);
};
