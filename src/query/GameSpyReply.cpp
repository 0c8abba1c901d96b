#include "GameSpyReply.h"

#include "ReplyLimits.h"
#include "ReplyText.h"

#include <algorithm>

namespace GameSpyReply {

namespace {
QString text(const Pairs &pairs, const QByteArray &key)
{
    return ReplyText::fromLatin1(pairs.value(key));
}
} // namespace

QByteArray request()
{
    return QByteArrayLiteral("\\status\\");
}

Part part(const QByteArray &datagram)
{
    Part out;
    if (!datagram.startsWith('\\') || datagram.size() > ReplyLimits::MaxDatagram)
        return out;
    out.pairs = ReplyText::backslashPairs(datagram);
    out.final = out.pairs.contains("final");
    const QByteArray queryId = out.pairs.value("queryid");
    const qsizetype dot = queryId.lastIndexOf('.');
    if (dot >= 0) {
        bool ok = false;
        out.number = queryId.mid(dot + 1).toInt(&ok);
        if (!ok || out.number < 1 || out.number > ReplyLimits::MaxParts)
            return out;
        out.queryId = queryId.left(std::min<qsizetype>(dot, 32));
    } else {
        out.queryId = queryId.left(32);
    }
    out.valid = true;
    return out;
}

ServerState state(const Pairs &pairs)
{
    ServerState s;
    s.name = text(pairs, "hostname");
    s.map = text(pairs, pairs.contains("mapname") ? "mapname" : "maptitle");
    s.players = ReplyText::count(text(pairs, "numplayers"));
    s.maxPlayers = ReplyText::count(text(pairs, "maxplayers"));
    s.passwordNeeded = ReplyText::flag(text(pairs, "password")) || ReplyText::flag(text(pairs, "lock"));
    for (int i = 0; i < ReplyLimits::MaxPlayerRows; ++i) {
        const QByteArray n = QByteArray::number(i);
        const auto name = pairs.constFind("player_" + n);
        if (name == pairs.constEnd()) {
            if (i == 0)
                continue; // some servers count from 1
            break;
        }
        PlayerRow row;
        row.name = ReplyText::fromLatin1(*name);
        const QByteArray score = pairs.value("frags_" + n, pairs.value("score_" + n));
        row.score = std::clamp(score.toInt(), -99999, 99999);
        row.pingMs = std::clamp(pairs.value("ping_" + n).toInt(), 0, 9999);
        s.playerList.append(row);
    }
    s.players = std::max(s.players, int(s.playerList.size()));
    s.hasPlayerList = true;
    return s;
}

} // namespace GameSpyReply
