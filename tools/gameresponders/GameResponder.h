#pragma once

#include "FakeServer.h"
#include "query/QueryTarget.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUdpSocket>

// A stand-in game server on 127.0.0.1 that answers one query protocol, for
// tests and demos. It lives on the event loop of its thread, and can be told
// to misbehave as real servers do.
class GameResponder : public QObject
{
    Q_OBJECT
public:
    enum class Mode {
        Normal,          // Source: a challenge first, then 0x49; GameSpy: two datagrams in order
        Silent,          // reads requests, never answers
        Garbage,         // random bytes, some behind a valid header
        Truncated,       // the first half of the normal reply
        ChallengeLoop,   // Source: a new challenge for every request, never the info
        SplitOutOfOrder, // Source: GoldSrc-split parts last first; GameSpy: datagrams last first
        SourceSplitOutOfOrder, // Source: Source-split parts in a shuffled order
        GoldSrcOnly,     // Source: the old 0x6D reply at once, no challenge
        BothReplies,     // Source: 0x6D and then 0x49 for the same request, no challenge
    };

    GameResponder(QueryProtocol protocol, const FakeServer &server, QObject *parent = nullptr);

    // Listens on 127.0.0.1:'port', or a free port when it is 0.
    bool start(quint16 port = 0);
    quint16 port() const { return m_socket.localPort(); }

    void setMode(Mode mode) { m_mode = mode; }
    void setServer(const FakeServer &server) { m_server = server; }
    const FakeServer &server() const { return m_server; }
    // The game port an Unreal 2 details reply names (the query port - 1 by default).
    void setGamePort(quint16 port) { m_gamePort = port; }

    QList<QByteArray> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

private:
    void readPending();
    QList<QByteArray> answer(const QByteArray &request);
    QList<QByteArray> source(const QByteArray &request);
    QList<QByteArray> quake3(const QByteArray &request);
    QList<QByteArray> gameSpy();
    QList<QByteArray> unreal2(const QByteArray &request);
    QByteArray garbage();

    QueryProtocol m_protocol;
    FakeServer m_server;
    Mode m_mode = Mode::Normal;
    QUdpSocket m_socket;
    QList<QByteArray> m_requests;
    quint16 m_gamePort = 0;
    quint32 m_counter = 0;
};
