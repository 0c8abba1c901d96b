#include "QtDatagramService.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTimer>

QtDatagramService::QtDatagramService(QObject *parent) : DatagramService(parent)
{
    m_age.start();
    connect(&m_socket, &QUdpSocket::readyRead, this, &QtDatagramService::readPending);
}

QString QtDatagramService::key(const QHostAddress &address, quint16 port)
{
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    return (v4 ? QHostAddress(ip).toString() : address.toString()) + QLatin1Char(' ') + QString::number(port);
}

void QtDatagramService::lookUp(const QString &host)
{
    const QHostAddress literal(host);
    if (!literal.isNull() || (m_hosts.contains(host) && m_age.elapsed() - m_hosts[host].foundAt < KeepAddressMs)) {
        const QHostAddress address = literal.isNull() ? m_hosts[host].address : literal;
        QTimer::singleShot(0, this, [this, host, address] { found(host, address); });
        return;
    }
    QHostInfo::lookupHost(host, this, [this, host](const QHostInfo &info) {
        QHostAddress address;
        for (const QHostAddress &a : info.addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                address = a;
                break;
            }
        }
        found(host, address);
    });
}

void QtDatagramService::found(const QString &host, const QHostAddress &address)
{
    if (address.isNull()) {
        m_hosts.remove(host);
        emit hostFound(host, false);
        return;
    }
    m_hosts[host] = {address, m_age.elapsed()};
    emit hostFound(host, true);
}

void QtDatagramService::send(const QString &host, quint16 port, const QByteArray &data)
{
    const auto it = m_hosts.constFind(host);
    if (it == m_hosts.constEnd())
        return;
    if (m_socket.state() != QAbstractSocket::BoundState && !m_socket.bind(QHostAddress::AnyIPv4, 0))
        return;
    m_senders.insert(key(it->address, port), host);
    m_socket.writeDatagram(data, it->address, port);
}

void QtDatagramService::readPending()
{
    m_readScheduled = false;
    for (int n = 0; n < DatagramsPerTurn && m_socket.hasPendingDatagrams(); ++n) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram(MaxDatagram);
        const auto host = m_senders.constFind(key(datagram.senderAddress(), quint16(datagram.senderPort())));
        if (host != m_senders.constEnd() && datagram.isValid())
            emit received(*host, quint16(datagram.senderPort()), datagram.data());
    }
    if (m_socket.hasPendingDatagrams() && !m_readScheduled) {
        m_readScheduled = true;
        QTimer::singleShot(0, this, &QtDatagramService::readPending);
    }
}
