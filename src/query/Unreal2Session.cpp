#include "Unreal2Session.h"

#include "Unreal2Reply.h"

QByteArray Unreal2Session::start(const QByteArray &)
{
    m_haveDetails = false;
    return Unreal2Reply::detailsRequest();
}

ProtocolSession::Step Unreal2Session::feed(const QByteArray &datagram)
{
    const Unreal2Reply::Parsed parsed = Unreal2Reply::parse(datagram);
    if (parsed.kind == Unreal2Reply::Parsed::Details && !m_haveDetails) {
        if (!playerListWanted())
            return done(parsed.state);
        m_details = parsed.state;
        m_haveDetails = true;
        return sendAfter(Unreal2Reply::playersRequest(), m_details);
    }
    if (parsed.kind == Unreal2Reply::Parsed::Players && m_haveDetails) {
        ServerState state = m_details;
        state.playerList = parsed.state.playerList;
        state.hasPlayerList = true;
        return done(state);
    }
    return {};
}
