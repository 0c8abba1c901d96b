#pragma once

#include "DatagramService.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QTimer>

#include <memory>
#include <vector>

class QSocketNotifier;

// One IPv4 UDP socket on the event loop; names are looked up with
// QHostInfo::lookupHost and kept for a few minutes.
//
// The socket never goes deaf: each turn of the event loop reads up to
// DatagramsPerTurn datagrams, several per system call, and while more are
// queued the next turn goes on reading with the notification held back; it
// is armed again only once the kernel's queue is empty. Errors the kernel
// reports on the socket (an unreachable port answering an earlier request)
// are read and forgotten like datagrams. Datagrams from addresses nothing
// was sent to are dropped without a copy.
class QtDatagramService : public DatagramService
{
    Q_OBJECT
public:
    explicit QtDatagramService(QObject *parent = nullptr);
    ~QtDatagramService() override;

    void lookUp(const QString &host) override;
    void send(const QString &host, quint16 port, const QByteArray &data) override;

    static constexpr int DatagramsPerTurn = 512;
    static constexpr int DatagramsPerCall = 16;
    static constexpr int MaxDatagram = 64 * 1024;
    static constexpr qint64 KeepAddressMs = 5 * 60 * 1000;
    static constexpr int ReceiveBufferBytes = 1 << 20;

private:
    struct Known {
        QHostAddress address;
        qint64 foundAt = 0;
    };
    void found(const QString &host, const QHostAddress &address);
    bool open();
    void readPending();
    // The kernel's queue is empty (true) or the turn's share is read (false).
    bool readSome(int &budget);
    static quint64 key(quint32 ipv4, quint16 port) { return quint64(ipv4) << 16 | port; }

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_nextTurn;
    std::vector<char> m_buffers;
    QElapsedTimer m_age;
    QHash<QString, Known> m_hosts;
    QHash<quint64, QString> m_senders; // IPv4 address and port -> host
};
