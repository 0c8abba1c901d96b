#include "SplitReassembler.h"

#include "ReplyLimits.h"

#include <algorithm>

namespace {
const QByteArray splitMark("\xFE\xFF\xFF\xFF", 4); // -2, little-endian
const QByteArray singleMark("\xFF\xFF\xFF\xFF", 4);
constexpr int sourceHeader = 12;
constexpr int goldSrcHeader = 9;
} // namespace

bool SplitReassembler::isSplit(const QByteArray &datagram)
{
    return datagram.size() > goldSrcHeader && datagram.startsWith(splitMark);
}

QByteArray SplitReassembler::add(const QByteArray &datagram)
{
    if (!isSplit(datagram) || datagram.size() > ReplyLimits::MaxDatagram)
        return QByteArray();
    const QByteArray id = datagram.mid(4, 4);
    auto reply = std::find_if(m_replies.begin(), m_replies.end(), [&](const Reply &r) { return r.id == id; });
    if (reply == m_replies.end()) {
        if (int(m_replies.size()) >= ReplyLimits::MaxPendingReplies)
            dropOldest();
        m_replies.push_back({id, {}});
        reply = std::prev(m_replies.end());
    }
    if (reply->parts.size() >= ReplyLimits::MaxParts || reply->parts.contains(datagram))
        return QByteArray();
    reply->parts.append(datagram);
    m_bytes += int(datagram.size());

    QByteArray whole = assemble(reply->parts, false);
    if (whole.isEmpty())
        whole = assemble(reply->parts, true);
    if (!whole.isEmpty()) {
        for (const QByteArray &part : reply->parts)
            m_bytes -= int(part.size());
        m_replies.erase(reply);
        return whole;
    }
    while (m_bytes > ReplyLimits::MaxAssemblyBytes && !m_replies.empty())
        dropOldest();
    return QByteArray();
}

QByteArray SplitReassembler::assemble(const QVector<QByteArray> &parts, bool goldSrc)
{
    const int header = goldSrc ? goldSrcHeader : sourceHeader;
    const QByteArray &first = parts.front();
    if (first.size() < header)
        return QByteArray();
    const int total = goldSrc ? quint8(first.at(8)) & 0x0F : quint8(first.at(8));
    if (total < 1 || total > ReplyLimits::MaxParts || parts.size() < total)
        return QByteArray();
    if (!goldSrc && (quint8(first.at(7)) & 0x80))
        return QByteArray(); // compressed
    QVector<const QByteArray *> ordered(total, nullptr);
    for (const QByteArray &part : parts) {
        if (part.size() < header)
            return QByteArray();
        const int partTotal = goldSrc ? quint8(part.at(8)) & 0x0F : quint8(part.at(8));
        const int number = goldSrc ? quint8(part.at(8)) >> 4 : quint8(part.at(9));
        if (partTotal != total || number >= total)
            return QByteArray();
        if (!ordered[number])
            ordered[number] = &part;
    }
    QByteArray whole;
    for (const QByteArray *part : ordered) {
        if (!part)
            return QByteArray();
        whole += part->mid(header);
    }
    return whole.startsWith(singleMark) ? whole : QByteArray();
}

void SplitReassembler::dropOldest()
{
    for (const QByteArray &part : m_replies.front().parts)
        m_bytes -= int(part.size());
    m_replies.pop_front();
}

void SplitReassembler::clear()
{
    m_replies.clear();
    m_bytes = 0;
}
