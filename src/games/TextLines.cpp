#include "TextLines.h"

#include <cstring>

namespace {
constexpr qsizetype bufferSize = 64 << 10;
constexpr qint64 chunk = 64 << 10;
} // namespace

TextLines::TextLines(const QString &file, const SearchBound &bound, qint64 maxSize) : m_file(file), m_bound(bound)
{
    if (!m_file.open(QIODevice::ReadOnly) || (!m_file.isSequential() && m_file.size() > maxSize))
        m_eof = true;
    else
        m_buffer.resize(bufferSize);
}

// Moves what is left to the front and reads more behind it.
bool TextLines::fill()
{
    if (m_eof)
        return false;
    if (m_bound.stopped()) {
        m_stopped = m_eof = true;
        return false;
    }
    const qsizetype left = m_end - m_start;
    if (left > 0 && m_start > 0)
        std::memmove(m_buffer.data(), m_buffer.constData() + m_start, size_t(left));
    m_start = 0;
    m_end = left;
    const qint64 got = m_file.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got <= 0) {
        m_eof = true;
        return false;
    }
    m_end += got;
    return true;
}

bool TextLines::next(QByteArrayView &line)
{
    if (m_bound.stoppedAt(++m_lines)) {
        m_stopped = m_eof = true;
        m_start = m_end;
        return false;
    }
    bool overlong = false;
    for (;;) {
        const char *base = m_buffer.constData();
        const void *nl = m_end > m_start ? std::memchr(base + m_start, '\n', size_t(m_end - m_start)) : nullptr;
        if (nl) {
            const qsizetype at = static_cast<const char *>(nl) - base;
            const qsizetype from = m_start;
            m_start = at + 1;
            if (overlong) {
                overlong = false;
                continue;
            }
            qsizetype length = at - from;
            if (length > 0 && base[from + length - 1] == '\r')
                --length;
            line = QByteArrayView(base + from, length);
            return true;
        }
        if (m_start == 0 && m_end == m_buffer.size()) {
            // A line longer than the buffer: dropped up to its end.
            overlong = true;
            m_start = m_end;
        }
        if (!fill()) {
            if (m_stopped || overlong || m_end == m_start)
                return false;
            line = QByteArrayView(m_buffer.constData() + m_start, m_end - m_start); // the last line, unended
            m_start = m_end;
            return true;
        }
    }
}

QByteArray TextLines::readAll(const QString &file, const SearchBound &bound, qint64 maxSize)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > maxSize || bound.stopped())
        return QByteArray();
    QByteArray bytes;
    bytes.reserve(qsizetype(f.size()));
    while (!bound.stopped() && bytes.size() <= maxSize) {
        const QByteArray part = f.read(chunk);
        if (part.isEmpty())
            return bytes;
        bytes += part;
    }
    return QByteArray();
}
