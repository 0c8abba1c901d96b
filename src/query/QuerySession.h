#pragma once

#include "GameSpyAssembler.h"
#include "QueryTarget.h"
#include "ServerState.h"
#include "SplitReassembler.h"

#include <QByteArray>

// One try at asking one server: the request to send, and what each datagram
// that comes back means for it. Knows no sockets and no clock.
//
// Source: a challenge is answered by sending the request again with it, at
// most ReplyLimits::MaxChallengeRounds times; of two info replies to one
// request (0x49 and 0x6D) the first wins. Quake 3: getinfo with a nonce of
// the try (a reply with another nonce is stale), getstatus when the player
// list is wanted. Unreal 2: the details, then the players when wanted.
class QuerySession
{
public:
    QuerySession(QueryProtocol protocol, bool playerListWanted, quint32 nonce);

    QByteArray firstRequest() const;

    struct Step {
        enum Kind { Ignore, Send, Done };
        Kind kind = Ignore;
        QByteArray request; // Send
        ServerState state;  // Done: online, without ping and time
    };
    // Datagrams after Done are ignored.
    Step feed(const QByteArray &datagram);


private:
    Step source(const QByteArray &datagram);
    Step quake3(const QByteArray &datagram);
    Step gameSpy(const QByteArray &datagram);
    Step unreal2(const QByteArray &datagram);
    Step done(ServerState state);

    QueryProtocol m_protocol;
    bool m_playerListWanted;
    QByteArray m_nonce;
    bool m_done = false;
    int m_challenges = 0;
    SplitReassembler m_splits;
    GameSpyAssembler m_gameSpy;
    ServerState m_details; // Unreal 2: details waiting for the players
    bool m_haveDetails = false;
};
