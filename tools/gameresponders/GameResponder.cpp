#include "GameResponder.h"

#include "GameReplies.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>

#include <algorithm>

namespace {
const QByteArray sourceQuery = QByteArray("\xFF\xFF\xFF\xFFTSource Engine Query", 24) + '\0';
const QByteArray challenge("\x0b\xad\xf0\x0d", 4);
} // namespace

GameResponder::GameResponder(QueryProtocol protocol, const FakeServer &server, QObject *parent)
    : QObject(parent), m_protocol(protocol), m_server(server)
{
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
    static const QByteArray heads[] = {QByteArray("\xFF\xFF\xFF\xFFI", 5), QByteArray("\xFF\xFF\xFF\xFE", 4),
                                       QByteArray("\xFF\xFF\xFF\xFFinfoResponse\n"), QByteArray("\\hostname\\"),
                                       QByteArray("\x80\x00\x00\x00\x00", 5)};
    if (random->bounded(2))
        out.prepend(heads[random->bounded(int(std::size(heads)))]);
    return out;
}

QList<QByteArray> GameResponder::answer(const QByteArray &request)
{
    switch (m_mode) {
    case Mode::Silent:
        return {};
    case Mode::Garbage:
        return {garbage()};
    default:
        break;
    }
    QList<QByteArray> replies;
    switch (m_protocol) {
    case QueryProtocol::Source:
        replies = source(request);
        break;
    case QueryProtocol::Quake3:
        replies = quake3(request);
        break;
    case QueryProtocol::GameSpy:
        replies = gameSpy();
        break;
    case QueryProtocol::Unreal2:
        replies = unreal2(request);
        break;
    }
    if (m_mode == Mode::Truncated) {
        for (QByteArray &r : replies)
            r.truncate(r.size() / 2);
    }
    if (m_mode == Mode::SplitOutOfOrder)
        std::reverse(replies.begin(), replies.end());
    return replies;
}

QList<QByteArray> GameResponder::source(const QByteArray &request)
{
    if (!request.startsWith(sourceQuery))
        return {};
    const bool challenged = request.size() >= sourceQuery.size() + 4;
    switch (m_mode) {
    case Mode::ChallengeLoop: {
        QByteArray fresh(4, '\0');
        for (char &c : fresh)
            c = char(QRandomGenerator::global()->bounded(256));
        return {GameReplies::sourceChallenge(fresh)};
    }
    case Mode::GoldSrcOnly:
        return {GameReplies::goldSrcInfo(m_server)};
    case Mode::BothReplies: {
        FakeServer second = m_server;
        second.name += QStringLiteral(" (second reply)");
        return {GameReplies::goldSrcInfo(m_server), GameReplies::sourceInfo(second)};
    }
    case Mode::SplitOutOfOrder:
        return GameReplies::split(GameReplies::goldSrcInfo(m_server), 3, true, ++m_counter);
    case Mode::SourceSplitOutOfOrder: {
        QList<QByteArray> parts = GameReplies::split(GameReplies::sourceInfo(m_server), 3, false, ++m_counter);
        std::swap(parts[0], parts[1]);
        std::swap(parts[1], parts[2]);
        return parts;
    }
    default:
        break;
    }
    if (!challenged)
        return {GameReplies::sourceChallenge(challenge)};
    return {GameReplies::sourceInfo(m_server)};
}

QList<QByteArray> GameResponder::quake3(const QByteArray &request)
{
    if (request.startsWith("\xFF\xFF\xFF\xFFgetstatus"))
        return {GameReplies::quake3Status(m_server)};
    if (request.startsWith("\xFF\xFF\xFF\xFFgetinfo"))
        return {GameReplies::quake3Info(m_server, request.mid(12).trimmed())};
    return {};
}

QList<QByteArray> GameResponder::gameSpy()
{
    return GameReplies::gameSpyStatus(m_server, 2, int(++m_counter));
}

QList<QByteArray> GameResponder::unreal2(const QByteArray &request)
{
    if (request.size() != 5 || !request.startsWith(QByteArray("\x79\x00\x00\x00", 4)))
        return {};
    if (request.at(4) == 0)
        return {GameReplies::unreal2Details(m_server, m_gamePort ? m_gamePort : quint16(port() - 1))};
    if (request.at(4) == 2)
        return {GameReplies::unreal2Players(m_server)};
    return {};
}
