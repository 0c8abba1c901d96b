#include "ByteReader.h"

ByteReader::ByteReader(const QByteArray &data, int from) : m_data(data), m_pos(from)
{
    m_ok = from >= 0 && from <= data.size();
}

bool ByteReader::take(int count)
{
    if (!m_ok || count < 0 || count > m_data.size() - m_pos) {
        m_ok = false;
        return false;
    }
    return true;
}

quint8 ByteReader::u8()
{
    if (!take(1))
        return 0;
    return quint8(m_data.at(m_pos++));
}

qint16 ByteReader::i16()
{
    if (!take(2))
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(m_data.constData() + m_pos);
    m_pos += 2;
    return qint16(quint16(p[0]) | quint16(p[1]) << 8);
}

qint32 ByteReader::i32()
{
    if (!take(4))
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(m_data.constData() + m_pos);
    m_pos += 4;
    return qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
}

QByteArray ByteReader::bytes(int count)
{
    if (!take(count))
        return QByteArray();
    const QByteArray out = m_data.mid(m_pos, count);
    m_pos += count;
    return out;
}

QByteArray ByteReader::cString()
{
    if (!m_ok)
        return QByteArray();
    const qsizetype nul = m_data.indexOf('\0', m_pos);
    if (nul < 0) {
        m_ok = false;
        return QByteArray();
    }
    const QByteArray out = m_data.mid(m_pos, nul - m_pos);
    m_pos = int(nul) + 1;
    return out;
}
