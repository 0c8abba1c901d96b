#pragma once

#include "SearchBound.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// A text file read line by line through one fixed buffer: no allocation per
// line, a line longer than the buffer is skipped whole, a file over
// SearchBound::maxFileSize is not read at all, and reading ends as soon as
// the bound says stop.
class TextLines
{
public:
    TextLines(const QString &file, const SearchBound &bound, qint64 maxSize = SearchBound::maxFileSize);

    // The next line without its line end ("\n" or "\r\n"); false at the end
    // of the file, on a read error or once the bound says stop. The view
    // holds until the next call.
    bool next(QByteArrayView &line);
    // The whole file, also within the bound and the size (a small file read at once).
    static QByteArray readAll(const QString &file, const SearchBound &bound, qint64 maxSize);

private:
    bool fill();

    QFile m_file;
    const SearchBound &m_bound;
    QByteArray m_buffer;
    qsizetype m_start = 0; // first byte not yet returned
    qsizetype m_end = 0;   // end of the bytes read
    bool m_eof = false;
    bool m_stopped = false;
    quint64 m_lines = 0;
};
