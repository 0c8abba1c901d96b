#pragma once

#include "ProtocolSession.h"
#include "QueryTarget.h"

#include <QByteArray>
#include <QVector>

#include <memory>

// Asking one server in one refresh, over one or more tries: the request of
// each try, and what each datagram that comes back means. Knows no sockets
// and no clock. Every try has a nonce of its own; a reply that echoes one
// of this refresh's nonces is tied to that try, one that echoes another is
// stale and ignored, one that echoes nothing is tied to no try.
class QuerySession
{
public:
    QuerySession(QueryProtocol protocol, bool playerListWanted);

    // The first request of try 'number' (from 1), with 'nonce'.
    QByteArray startTry(int number, quint32 nonce);

    struct Step {
        enum Kind { Ignore, Send, Done };
        Kind kind = Ignore;
        QByteArray request; // Send
        ServerState state;  // Done, or Send with 'known': online, without ping and time
        bool known = false; // Send: the details are in, the request asks for the players
        int tiedTry = 0;    // Done or known: the try the reply answers; 0 when it cannot tell
    };
    // Datagrams after Done are ignored.
    Step feed(const QByteArray &datagram);

private:
    std::unique_ptr<ProtocolSession> m_protocol;
    bool m_playerListWanted;
    QVector<QByteArray> m_nonces; // of tries 1, 2, ...
    bool m_done = false;
};
