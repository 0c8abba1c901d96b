#include "QtDatagramService.h"

#include "SenderFilter.h"

#include <QHostInfo>
#include <QSocketNotifier>

#include <algorithm>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

QtDatagramService::QtDatagramService(QObject *parent) : DatagramService(parent)
{
    m_age.start();
    m_nextTurn.setSingleShot(true);
    m_nextTurn.setInterval(0);
    connect(&m_nextTurn, &QTimer::timeout, this, &QtDatagramService::readPending);
}

QtDatagramService::~QtDatagramService()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
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
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    if (address.isNull() || !v4) {
        m_hosts.remove(host);
        emit hostFound(host, false);
        return;
    }
    m_hosts[host] = {QHostAddress(ip), m_age.elapsed()};
    emit hostFound(host, true);
}

bool QtDatagramService::open()
{
    if (m_fd >= 0)
        return true;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&any), sizeof any) != 0) {
        ::close(fd);
        return false;
    }
    const int size = ReceiveBufferBytes;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    m_fd = fd;
    filterSenders(); // nothing was sent yet: nothing gets in
    m_buffers.resize(size_t(DatagramsPerCall) * MaxDatagram);
    m_notifier = std::make_unique<QSocketNotifier>(qintptr(fd), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &QtDatagramService::readPending);
    return true;
}

void QtDatagramService::send(const QString &host, quint16 port, const QByteArray &data)
{
    const auto it = m_hosts.constFind(host);
    if (it == m_hosts.constEnd() || !open())
        return;
    const quint32 ip = it->address.toIPv4Address();
    Sender &sender = m_senders[key(ip, port)];
    sender.host = host;
    const bool closed = sender.allowance == 0;
    sender.allowance = RepliesPerRequest;
    if (closed)
        filterSenders();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(ip);
    ::sendto(m_fd, data.constData(), size_t(data.size()), MSG_DONTWAIT, reinterpret_cast<const sockaddr *>(&to),
             sizeof to);
}

// The kernel lets in only the senders whose allowance is not used up.
void QtDatagramService::filterSenders()
{
    std::vector<SenderFilter::Sender> letIn;
    for (auto it = m_senders.cbegin(); it != m_senders.cend(); ++it) {
        if (it->allowance > 0)
            letIn.push_back({quint32(it.key() >> 16), quint16(it.key())});
    }
    SenderFilter::attach(m_fd, letIn);
}

// Held back while this turn reads; armed again only when nothing is left,
// so a queue that stays full can never leave the socket unwatched.
void QtDatagramService::readPending()
{
    m_notifier->setEnabled(false);
    int budget = DatagramsPerTurn;
    if (readSome(budget))
        m_notifier->setEnabled(true);
    else
        m_nextTurn.start();
}

bool QtDatagramService::readSome(int &budget)
{
    mmsghdr messages[DatagramsPerCall];
    iovec parts[DatagramsPerCall];
    sockaddr_in from[DatagramsPerCall];
    while (budget > 0) {
        const int count = std::min(budget, DatagramsPerCall);
        for (int i = 0; i < count; ++i) {
            parts[i] = {m_buffers.data() + size_t(i) * MaxDatagram, size_t(MaxDatagram)};
            messages[i] = {};
            messages[i].msg_hdr.msg_iov = &parts[i];
            messages[i].msg_hdr.msg_iovlen = 1;
            messages[i].msg_hdr.msg_name = &from[i];
            messages[i].msg_hdr.msg_namelen = sizeof from[i];
        }
        const int got = ::recvmmsg(m_fd, messages, unsigned(count), MSG_DONTWAIT, nullptr);
        if (got < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return true;
            if (errno != EINTR)
                --budget; // a pending error, now taken off the socket
            continue;
        }
        budget -= std::max(got, 1);
        for (int i = 0; i < got; ++i) {
            const msghdr &h = messages[i].msg_hdr;
            if (h.msg_namelen != sizeof(sockaddr_in) || from[i].sin_family != AF_INET || (h.msg_flags & MSG_TRUNC))
                continue;
            const quint16 port = ntohs(from[i].sin_port);
            const auto sender = m_senders.find(key(ntohl(from[i].sin_addr.s_addr), port));
            if (sender == m_senders.end() || sender->allowance == 0)
                continue;
            if (--sender->allowance == 0)
                filterSenders();
            const QString host = sender->host; // a handler may send, and so add senders
            emit received(host, port, QByteArray(static_cast<const char *>(parts[i].iov_base),
                                                   qsizetype(messages[i].msg_len)));
        }
        if (got < count)
            return true;
    }
    return false;
}
