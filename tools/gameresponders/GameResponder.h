#pragma once

#include "FakeServer.h"
#include "StandIns.h"
#include "query/QueryTarget.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUdpSocket>

// A stand-in game server on 127.0.0.1 that answers one query protocol as
// StandIns says, for tests and demos. It lives on the event loop of its
// thread, and can be told to misbehave as real servers do.
class GameResponder : public QObject
{
    Q_OBJECT
public:
    using Mode = StandIns::Mode;

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

private:
    void readPending();
    QList<QByteArray> answer(const QByteArray &request);
    static QByteArray garbage();

    QueryProtocol m_protocol;
    FakeServer m_server;
    Mode m_mode = Mode::Normal;
    QUdpSocket m_socket;
    QList<QByteArray> m_requests;
    quint16 m_gamePort = 0;
    quint32 m_counter = 0;
};
