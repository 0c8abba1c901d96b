#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Datagrams to and from game servers, on the event loop. Nothing blocks:
// names are looked up in the background, and replies arrive as signals.
class DatagramService : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Looks 'host' (a name or an address) up; hostFound() tells the outcome,
    // always later, from the event loop.
    virtual void lookUp(const QString &host) = 0;
    // Sends 'data' to 'host', which must have been found, at 'port'.
    // Dropped when the host is unknown or the datagram cannot be sent.
    virtual void send(const QString &host, quint16 port, const QByteArray &data) = 0;

signals:
    void hostFound(const QString &host, bool found);
    // A datagram from an address and port that something was sent to;
    // 'host' is the name it was sent under.
    void received(const QString &host, quint16 port, const QByteArray &data);
};
