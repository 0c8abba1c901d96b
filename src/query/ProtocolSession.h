#pragma once

#include "ServerState.h"

#include <QByteArray>

// One protocol's side of asking one server: the request that starts a try
// and what each datagram that comes back means. Knows no sockets, no clock
// and no tries; a new try starts over with start().
class ProtocolSession
{
public:
    explicit ProtocolSession(bool playerListWanted) : m_playerListWanted(playerListWanted) {}
    virtual ~ProtocolSession() = default;

    // The first request of a try. 'nonce' is the try's own; protocols whose
    // servers echo it send it along.
    virtual QByteArray start(const QByteArray &nonce) = 0;

    struct Step {
        enum Kind { Ignore, Send, Done };
        Kind kind = Ignore;
        QByteArray request; // Send
        ServerState state;  // Done: name, map, counts, password and, when asked for, the players;
                            // Send with 'known': all but the players, which the request asks for
        bool known = false;
        QByteArray echoed;  // Done: the nonce the reply carried back, if any
    };
    virtual Step feed(const QByteArray &datagram) = 0;

protected:
    static Step send(const QByteArray &request)
    {
        Step step;
        step.kind = Step::Send;
        step.request = request;
        return step;
    }
    // The server's details are in; 'request' asks for its players.
    static Step sendAfter(const QByteArray &request, const ServerState &details)
    {
        Step step = send(request);
        step.state = details;
        step.known = true;
        return step;
    }
    static Step done(const ServerState &state, const QByteArray &echoed = QByteArray())
    {
        Step step;
        step.kind = Step::Done;
        step.state = state;
        step.echoed = echoed;
        return step;
    }
    bool playerListWanted() const { return m_playerListWanted; }

private:
    bool m_playerListWanted;
};
