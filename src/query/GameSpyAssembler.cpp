#include "GameSpyAssembler.h"

#include "ReplyLimits.h"

bool GameSpyAssembler::add(const QByteArray &datagram)
{
    const GameSpyReply::Part part = GameSpyReply::part(datagram);
    if (!part.valid)
        return false;
    if (part.queryId != m_queryId || m_bytes + datagram.size() > ReplyLimits::MaxAssemblyBytes)
        clear();
    m_queryId = part.queryId;
    if (m_parts.contains(part.number))
        return false;
    m_parts.insert(part.number, part.pairs);
    m_bytes += int(datagram.size());
    if (part.final)
        m_finalNumber = part.number;
    if (m_finalNumber == 0 || m_parts.size() < m_finalNumber)
        return false;
    for (int n = 1; n <= m_finalNumber; ++n) {
        if (!m_parts.contains(n))
            return false;
    }
    return true;
}

GameSpyReply::Pairs GameSpyAssembler::pairs() const
{
    GameSpyReply::Pairs all;
    for (auto it = m_parts.constBegin(); it != m_parts.constEnd(); ++it) {
        if (m_finalNumber && it.key() > m_finalNumber)
            break;
        for (auto p = it->constBegin(); p != it->constEnd(); ++p) {
            if (!all.contains(p.key()))
                all.insert(p.key(), p.value());
        }
    }
    return all;
}

void GameSpyAssembler::clear()
{
    m_queryId.clear();
    m_parts.clear();
    m_finalNumber = 0;
    m_bytes = 0;
}
