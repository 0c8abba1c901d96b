#include "SourceSession.h"

#include "ReplyLimits.h"
#include "SourceReply.h"

QByteArray SourceSession::start(const QByteArray &)
{
    m_askingPlayers = false;
    m_challenges = 0;
    m_challenge.clear();
    return SourceReply::request();
}

ProtocolSession::Step SourceSession::feed(const QByteArray &datagram)
{
    QByteArray reply = datagram;
    if (SplitReassembler::isSplit(datagram)) {
        reply = m_splits.add(datagram);
        if (reply.isEmpty())
            return {};
    }
    const SourceReply::Parsed parsed = SourceReply::parse(reply);
    switch (parsed.kind) {
    case SourceReply::Parsed::Challenge:
        if (m_challenges >= ReplyLimits::MaxChallengeRounds)
            return {};
        ++m_challenges;
        m_challenge = parsed.challenge;
        return send(m_askingPlayers ? SourceReply::playersRequest(parsed.challenge)
                                    : SourceReply::request(parsed.challenge));
    case SourceReply::Parsed::Info:
        if (m_askingPlayers)
            return {};
        if (!playerListWanted())
            return done(parsed.state);
        m_info = parsed.state;
        m_askingPlayers = true;
        m_challenges = 0;
        // A server hands one challenge to one client for all its queries.
        return sendAfter(m_challenge.isEmpty() ? SourceReply::playersRequest()
                                               : SourceReply::playersRequest(m_challenge),
                         m_info);
    case SourceReply::Parsed::Players: {
        if (!m_askingPlayers)
            return {};
        ServerState state = m_info;
        state.playerList = parsed.state.playerList;
        state.hasPlayerList = true;
        return done(state);
    }
    case SourceReply::Parsed::Invalid:
        break;
    }
    return {};
}
