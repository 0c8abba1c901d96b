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
// are read and forgotten like datagrams.
//
// Only an address something was sent to gets in, and only for up to
// RepliesPerRequest datagrams after each request to it (the longest split
// reply has far fewer): the kernel drops the rest before they are queued
// (see SenderFilter), and should one get through it is dropped unread. A
// flood costs the thread nothing, even from a server's own address.
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
    static constexpr int RepliesPerRequest = 64;

private:
    struct Known {
        QHostAddress address;
        qint64 foundAt = 0;
    };
    void found(const QString &host, const QHostAddress &address);
    bool open();
    void filterSenders();
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
    struct Sender {
        QString host;
        int allowance = 0; // datagrams still let in
    };
    QHash<quint64, Sender> m_senders; // by IPv4 address and port
};
