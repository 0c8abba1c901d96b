#pragma once

#include <QByteArray>
#include <QtGlobal>

// Reads little-endian fields from a datagram without ever reading past its
// end. A read that does not fit marks the reader failed and returns zero or
// an empty field; every later read fails too.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &data, int from = 0);

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos >= m_data.size(); }
    int remaining() const { return m_ok ? int(m_data.size()) - m_pos : 0; }

    quint8 u8();
    qint16 i16();
    qint32 i32();
    QByteArray bytes(int count);
    // Up to the next NUL, which is consumed; failed when there is none.
    QByteArray cString();
    void skip(int count) { (void)bytes(count); }

private:
    bool take(int count);

    const QByteArray &m_data;
    int m_pos;
    bool m_ok = true;
};
