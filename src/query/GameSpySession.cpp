#include "GameSpySession.h"

QByteArray GameSpySession::start(const QByteArray &)
{
    return GameSpyReply::request();
}

ProtocolSession::Step GameSpySession::feed(const QByteArray &datagram)
{
    if (!m_parts.add(datagram))
        return {};
    const ServerState state = GameSpyReply::state(m_parts.pairs());
    m_parts.clear();
    return done(state);
}
