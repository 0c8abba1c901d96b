#pragma once

#include "GameSpyAssembler.h"
#include "ProtocolSession.h"

// GameSpy's \status\, whose reply carries the players too, over as many
// datagrams as the server needs.
class GameSpySession : public ProtocolSession
{
public:
    using ProtocolSession::ProtocolSession;
    QByteArray start(const QByteArray &nonce) override;
    Step feed(const QByteArray &datagram) override;

private:
    GameSpyAssembler m_parts;
};
