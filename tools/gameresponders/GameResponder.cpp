#include "GameResponder.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>

GameResponder::GameResponder(QueryProtocol protocol, const FakeServer &server, QObject *parent)
    : QObject(parent), m_protocol(protocol), m_server(server)
{
    m_socket.setParent(this); // moves to another thread with the responder
    connect(&m_socket, &QUdpSocket::readyRead, this, &GameResponder::readPending);
}

bool GameResponder::start(quint16 port)
{
    return m_socket.bind(QHostAddress::LocalHost, port);
}

void GameResponder::readPending()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram request = m_socket.receiveDatagram();
        if (m_requests.size() < 1000)
            m_requests << request.data();
        for (const QByteArray &reply : answer(request.data()))
            m_socket.writeDatagram(reply, request.senderAddress(), quint16(request.senderPort()));
    }
}

QByteArray GameResponder::garbage()
{
    QRandomGenerator *random = QRandomGenerator::global();
    QByteArray out(int(random->bounded(1, 1500)), '\0');
    for (char &c : out)
        c = char(random->bounded(256));
    static const QByteArray heads[] = {QByteArray("\xFF\xFF\xFF\xFFI", 5), QByteArray("\xFE\xFF\xFF\xFF", 4),
                                       QByteArray("\xFF\xFF\xFF\xFFstatusResponse\n"), QByteArray("\\hostname\\"),
                                       QByteArray("\x80\x00\x00\x00\x00", 5)};
    if (random->bounded(2))
        out.prepend(heads[random->bounded(int(std::size(heads)))]);
    return out;
}

QList<QByteArray> GameResponder::answer(const QByteArray &request)
{
    if (m_mode == Mode::Silent)
        return {};
    if (m_mode == Mode::Garbage)
        return {garbage()};
    const StandIns::Context context{m_server, m_mode, m_gamePort ? m_gamePort : quint16(port() - 1), ++m_counter};
    QList<QByteArray> replies = StandIns::of(m_protocol).answer(request, context);
    if (m_mode == Mode::Truncated) {
        for (QByteArray &r : replies)
            r.truncate(r.size() / 2);
    }
    return replies;
}
