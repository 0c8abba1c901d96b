#pragma once

#include "ProtocolSession.h"
#include "SplitReassembler.h"

// A2S: the info request and then, when wanted, A2S_PLAYER, with the
// challenge the info request was given, if any. Either may be answered with
// a challenge, which is sent back with the same request, at most
// ReplyLimits::MaxChallengeRounds times a try. Of two info replies to
// one request (0x6D and 0x49) the first wins. Split replies are put together.
class SourceSession : public ProtocolSession
{
public:
    using ProtocolSession::ProtocolSession;
    QByteArray start(const QByteArray &nonce) override;
    Step feed(const QByteArray &datagram) override;

private:
    bool m_askingPlayers = false;
    int m_challenges = 0;
    QByteArray m_challenge; // the last one the server gave
    ServerState m_info;
    SplitReassembler m_splits;
};
