#include "QuerySession.h"

#include "QueryProtocols.h"
#include "ReplyLimits.h"

QuerySession::QuerySession(QueryProtocol protocol, bool playerListWanted)
    : m_protocol(QueryProtocols::of(protocol).session(playerListWanted)), m_playerListWanted(playerListWanted)
{
}

QByteArray QuerySession::startTry(int number, quint32 nonce)
{
    m_nonces.resize(std::max<qsizetype>(m_nonces.size(), number));
    m_nonces[number - 1] = QByteArray::number(nonce);
    return m_protocol->start(m_nonces[number - 1]);
}

QuerySession::Step QuerySession::feed(const QByteArray &datagram)
{
    if (m_done || datagram.isEmpty() || datagram.size() > ReplyLimits::MaxDatagram)
        return {};
    const ProtocolSession::Step step = m_protocol->feed(datagram);
    Step out;
    if (step.kind == ProtocolSession::Step::Send) {
        out.kind = Step::Send;
        out.request = step.request;
        out.known = step.known;
        out.state = step.state;
        out.state.status = ServerState::Status::Online;
        return out;
    }
    if (step.kind != ProtocolSession::Step::Done)
        return out;
    if (!step.echoed.isEmpty()) {
        out.tiedTry = int(m_nonces.indexOf(step.echoed)) + 1;
        if (out.tiedTry == 0)
            return out; // an answer to an earlier refresh
    }
    m_done = true;
    out.kind = Step::Done;
    out.state = step.state;
    out.state.status = ServerState::Status::Online;
    if (!m_playerListWanted) {
        out.state.hasPlayerList = false;
        out.state.playerList.clear();
    }
    return out;
}
