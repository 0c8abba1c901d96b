#include "StandIns.h"

#include "GameReplies.h"

#include <QRandomGenerator>

#include <algorithm>

namespace StandIns {

namespace {
const QByteArray single("\xFF\xFF\xFF\xFF", 4);
const QByteArray sourceQuery = single + QByteArray("TSource Engine Query", 20) + '\0';
const QByteArray challenge("\x0b\xad\xf0\x0d", 4);

QList<QByteArray> source(const QByteArray &request, const Context &c)
{
    if (request.startsWith(single + 'U')) {
        if (request.mid(5) != challenge)
            return {GameReplies::sourceChallenge(challenge)};
        return {GameReplies::sourcePlayers(c.server)};
    }
    if (!request.startsWith(sourceQuery))
        return {};
    const bool challenged = request.mid(sourceQuery.size()) == challenge;
    switch (c.mode) {
    case Mode::ChallengeLoop: {
        QByteArray fresh(4, '\0');
        for (char &ch : fresh)
            ch = char(QRandomGenerator::global()->bounded(256));
        return {GameReplies::sourceChallenge(fresh)};
    }
    case Mode::GoldSrcOnly:
        return {GameReplies::goldSrcInfo(c.server)};
    case Mode::BothReplies: {
        FakeServer second = c.server;
        second.name += QStringLiteral(" (second reply)");
        return {GameReplies::goldSrcInfo(c.server), GameReplies::sourceInfo(second)};
    }
    case Mode::SplitOutOfOrder: {
        QList<QByteArray> parts = GameReplies::split(GameReplies::goldSrcInfo(c.server), 3, true, c.replyId);
        std::reverse(parts.begin(), parts.end());
        return parts;
    }
    case Mode::SourceSplitOutOfOrder: {
        QList<QByteArray> parts = GameReplies::split(GameReplies::sourceInfo(c.server), 3, false, c.replyId);
        std::swap(parts[0], parts[1]);
        std::swap(parts[1], parts[2]);
        return parts;
    }
    default:
        break;
    }
    if (!challenged)
        return {GameReplies::sourceChallenge(challenge)};
    return {GameReplies::sourceInfo(c.server)};
}

QList<QByteArray> quake3(const QByteArray &request, const Context &c)
{
    if (request.startsWith(single + "getstatus"))
        return {GameReplies::quake3Status(c.server, request.mid(13).trimmed())};
    if (request.startsWith(single + "getinfo"))
        return {GameReplies::quake3Info(c.server, request.mid(11).trimmed())};
    return {};
}

QList<QByteArray> gameSpy(const QByteArray &request, const Context &c)
{
    if (!request.startsWith('\\'))
        return {};
    QList<QByteArray> parts = GameReplies::gameSpyStatus(c.server, 2, int(c.replyId));
    if (c.mode == Mode::SplitOutOfOrder)
        std::reverse(parts.begin(), parts.end());
    return parts;
}

QList<QByteArray> unreal2(const QByteArray &request, const Context &c)
{
    // 79 00 00 00 from UT2004's own clients, 78 00 00 00 from UT2003's.
    if (request.size() != 5 || (request.at(0) != 0x78 && request.at(0) != 0x79)
        || !request.mid(1).startsWith(QByteArray("\x00\x00\x00", 3)))
        return {};
    switch (request.at(4)) {
    case 0:
        return {GameReplies::unreal2Details(c.server, c.gamePort)};
    case 1:
        return {GameReplies::unreal2Rules(c.server)};
    case 2:
        return {GameReplies::unreal2Players(c.server)};
    case 3: // everything, one reply of each type
        return {GameReplies::unreal2Details(c.server, c.gamePort), GameReplies::unreal2Rules(c.server),
                GameReplies::unreal2Players(c.server)};
    }
    return {};
}
} // namespace

const std::vector<Row> &all()
{
    using P = QueryProtocol;
    static const std::vector<Row> rows = {
        {.protocol = P::Source, .qstatType = "a2s", .answer = source},
        {.protocol = P::Quake3, .qstatType = "cods", .answer = quake3},
        {.protocol = P::GameSpy, .qstatType = "gps", .answer = gameSpy},
        {.protocol = P::Unreal2, .qstatType = "ut2004s", .qstatPortOffset = 1, .answer = unreal2},
    };
    return rows;
}

const Row &of(QueryProtocol protocol)
{
    const auto &rows = all();
    return *std::find_if(rows.begin(), rows.end(), [protocol](const Row &r) { return r.protocol == protocol; });
}

} // namespace StandIns
