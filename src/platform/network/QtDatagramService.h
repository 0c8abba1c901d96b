#pragma once

#include "DatagramService.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QUdpSocket>

// One IPv4 UDP socket on the event loop; names are looked up with
// QHostInfo::lookupHost and kept for a few minutes. Datagrams from
// addresses nothing was sent to are dropped unread, and one turn of the
// event loop reads at most a few dozen datagrams, so a flood cannot hold
// the thread.
class QtDatagramService : public DatagramService
{
    Q_OBJECT
public:
    explicit QtDatagramService(QObject *parent = nullptr);

    void lookUp(const QString &host) override;
    void send(const QString &host, quint16 port, const QByteArray &data) override;

    static constexpr int DatagramsPerTurn = 32;
    static constexpr int MaxDatagram = 64 * 1024;
    static constexpr qint64 KeepAddressMs = 5 * 60 * 1000;

private:
    struct Known {
        QHostAddress address;
        qint64 foundAt = 0;
    };
    void found(const QString &host, const QHostAddress &address);
    void readPending();
    static QString key(const QHostAddress &address, quint16 port);

    QUdpSocket m_socket;
    QElapsedTimer m_age;
    QHash<QString, Known> m_hosts;
    QHash<QString, QString> m_senders; // "address port" -> host
    bool m_readScheduled = false;
};
