#pragma once

#include <QByteArray>
#include <QVector>

#include <deque>

// Puts together replies that a Source or GoldSrc server splits over several
// datagrams: FE FF FF FF (the 32-bit little-endian -2), a 32-bit reply id
// whose top bit marks a compressed reply, then in the Source header one byte
// of total, one of number and a 16-bit size, or in the GoldSrc header one
// byte with the number in its high and the total in its low four bits. Parts may
// arrive in any order; the header is recognised per reply. Memory stays
// bounded: at most ReplyLimits::MaxParts parts per reply, MaxPendingReplies
// replies and MaxAssemblyBytes bytes, the oldest reply giving way. Compressed
// Source replies are not understood and never complete.
class SplitReassembler
{
public:
    static bool isSplit(const QByteArray &datagram);

    // Takes one split datagram; returns the whole reply (starting with
    // FF FF FF FF) once its last part is in, else an empty array.
    QByteArray add(const QByteArray &datagram);

    void clear();
    int heldBytes() const { return m_bytes; }

private:
    struct Reply {
        QByteArray id;
        QVector<QByteArray> parts;
    };
    static QByteArray assemble(const QVector<QByteArray> &parts, bool goldSrc);
    void dropOldest();

    std::deque<Reply> m_replies;
    int m_bytes = 0;
};
