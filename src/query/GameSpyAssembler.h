#pragma once

#include "GameSpyReply.h"

#include <QMap>

// Collects the datagrams of one \status\ reply, in any order, until the one
// marked \final\ and all before it are in. A datagram of another query id
// starts over. At most ReplyLimits::MaxParts parts and MaxAssemblyBytes
// bytes are held.
class GameSpyAssembler
{
public:
    // Takes one datagram; true once the reply is whole (see pairs()).
    bool add(const QByteArray &datagram);
    // All pairs of the whole reply, the first of repeated keys winning.
    GameSpyReply::Pairs pairs() const;
    void clear();

private:
    QByteArray m_queryId;
    QMap<int, GameSpyReply::Pairs> m_parts;
    int m_finalNumber = 0;
    int m_bytes = 0;
};
