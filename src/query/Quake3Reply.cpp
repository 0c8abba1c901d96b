#include "Quake3Reply.h"

#include "ReplyLimits.h"
#include "ReplyText.h"

#include <algorithm>

namespace Quake3Reply {

namespace {
const QByteArray singleMark("\xFF\xFF\xFF\xFF", 4);

QString text(const QHash<QByteArray, QByteArray> &pairs, const char *key)
{
    return ReplyText::fromLatin1(pairs.value(key));
}

// One player line: score ping "name".
bool playerRow(const QByteArray &line, PlayerRow &row)
{
    const QList<QByteArray> fields = line.left(256).split(' ');
    if (fields.size() < 3)
        return false;
    bool scoreOk = false, pingOk = false;
    row.score = std::clamp(fields.at(0).toInt(&scoreOk), -99999, 99999);
    row.pingMs = std::clamp(fields.at(1).toInt(&pingOk), 0, 9999);
    const qsizetype open = line.indexOf('"');
    const qsizetype close = line.lastIndexOf('"');
    row.name = ReplyText::fromLatin1(open >= 0 && close > open ? line.mid(open + 1, close - open - 1)
                                                                : fields.at(2));
    return scoreOk && pingOk;
}
} // namespace

QByteArray statusRequest(const QByteArray &nonce)
{
    return singleMark + "getstatus " + nonce;
}

Parsed parse(const QByteArray &reply)
{
    Parsed out;
    if (!reply.startsWith(singleMark))
        return out;
    const qsizetype headEnd = reply.indexOf('\n', 4);
    if (headEnd < 0 || reply.mid(4, headEnd - 4).trimmed() != "statusResponse")
        return out;

    qsizetype lineEnd = reply.indexOf('\n', headEnd + 1);
    if (lineEnd < 0)
        lineEnd = reply.size();
    const auto pairs = ReplyText::backslashPairs(reply.mid(headEnd + 1, lineEnd - headEnd - 1));

    ServerState &s = out.state;
    s.name = text(pairs, pairs.contains("sv_hostname") ? "sv_hostname" : "hostname");
    s.map = text(pairs, "mapname");
    s.maxPlayers = ReplyText::count(text(pairs, "sv_maxclients"));
    s.privateSlots = std::min(s.maxPlayers, ReplyText::count(text(pairs, "sv_privateClients")));
    s.passwordNeeded = ReplyText::flag(text(pairs, "pswrd")) || ReplyText::flag(text(pairs, "g_needpass"));
    out.challenge = pairs.value("challenge").left(32);
    s.hasPlayerList = true;
    int lines = 0;
    while (lineEnd < reply.size()) {
        const qsizetype from = lineEnd + 1;
        lineEnd = reply.indexOf('\n', from);
        if (lineEnd < 0)
            lineEnd = reply.size();
        PlayerRow row;
        if (lineEnd == from || !playerRow(reply.mid(from, lineEnd - from), row))
            continue;
        if (lines < ReplyLimits::MaxCount)
            ++lines;
        if (s.playerList.size() < ReplyLimits::MaxPlayerRows)
            s.playerList.append(row);
    }
    s.players = lines;
    out.valid = true;
    return out;
}

} // namespace Quake3Reply
