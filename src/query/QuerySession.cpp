#include "QuerySession.h"

#include "GameSpyReply.h"
#include "Quake3Reply.h"
#include "ReplyLimits.h"
#include "SourceReply.h"
#include "Unreal2Reply.h"

QuerySession::QuerySession(QueryProtocol protocol, bool playerListWanted, quint32 nonce)
    : m_protocol(protocol), m_playerListWanted(playerListWanted), m_nonce(QByteArray::number(nonce))
{
}

QByteArray QuerySession::firstRequest() const
{
    switch (m_protocol) {
    case QueryProtocol::Source:
        return SourceReply::request();
    case QueryProtocol::Quake3:
        return m_playerListWanted ? Quake3Reply::statusRequest() : Quake3Reply::infoRequest(m_nonce);
    case QueryProtocol::GameSpy:
        return GameSpyReply::request();
    case QueryProtocol::Unreal2:
        return Unreal2Reply::detailsRequest();
    }
    return QByteArray();
}

QuerySession::Step QuerySession::feed(const QByteArray &datagram)
{
    if (m_done || datagram.isEmpty() || datagram.size() > ReplyLimits::MaxDatagram)
        return {};
    switch (m_protocol) {
    case QueryProtocol::Source:
        return source(datagram);
    case QueryProtocol::Quake3:
        return quake3(datagram);
    case QueryProtocol::GameSpy:
        return gameSpy(datagram);
    case QueryProtocol::Unreal2:
        return unreal2(datagram);
    }
    return {};
}

QuerySession::Step QuerySession::done(ServerState state)
{
    m_done = true;
    m_splits.clear();
    m_gameSpy.clear();
    state.status = ServerState::Status::Online;
    if (!m_playerListWanted) {
        state.hasPlayerList = false;
        state.playerList.clear();
    }
    Step step;
    step.kind = Step::Done;
    step.state = std::move(state);
    return step;
}

QuerySession::Step QuerySession::source(const QByteArray &datagram)
{
    QByteArray reply = datagram;
    if (SplitReassembler::isSplit(datagram)) {
        reply = m_splits.add(datagram);
        if (reply.isEmpty())
            return {};
    }
    const SourceReply::Parsed parsed = SourceReply::parse(reply);
    if (parsed.kind == SourceReply::Parsed::Info)
        return done(parsed.state);
    if (parsed.kind == SourceReply::Parsed::Challenge && m_challenges < ReplyLimits::MaxChallengeRounds) {
        ++m_challenges;
        Step step;
        step.kind = Step::Send;
        step.request = SourceReply::request(parsed.challenge);
        return step;
    }
    return {};
}

QuerySession::Step QuerySession::quake3(const QByteArray &datagram)
{
    const Quake3Reply::Parsed parsed = Quake3Reply::parse(datagram);
    if (m_playerListWanted ? parsed.kind != Quake3Reply::Parsed::Status : parsed.kind != Quake3Reply::Parsed::Info)
        return {};
    if (parsed.kind == Quake3Reply::Parsed::Info && !parsed.challenge.isEmpty() && parsed.challenge != m_nonce)
        return {};
    return done(parsed.state);
}

QuerySession::Step QuerySession::gameSpy(const QByteArray &datagram)
{
    if (!m_gameSpy.add(datagram))
        return {};
    return done(GameSpyReply::state(m_gameSpy.pairs()));
}

QuerySession::Step QuerySession::unreal2(const QByteArray &datagram)
{
    const Unreal2Reply::Parsed parsed = Unreal2Reply::parse(datagram);
    if (parsed.kind == Unreal2Reply::Parsed::Details && !m_haveDetails) {
        if (!m_playerListWanted)
            return done(parsed.state);
        m_details = parsed.state;
        m_haveDetails = true;
        Step step;
        step.kind = Step::Send;
        step.request = Unreal2Reply::playersRequest();
        return step;
    }
    if (parsed.kind == Unreal2Reply::Parsed::Players && m_haveDetails) {
        ServerState state = m_details;
        state.playerList = parsed.state.playerList;
        state.hasPlayerList = true;
        return done(state);
    }
    return {};
}
