#include "SourceReply.h"

#include "ByteReader.h"
#include "ReplyLimits.h"
#include "ReplyText.h"

#include <algorithm>

namespace SourceReply {

namespace {
const QByteArray singleMark("\xFF\xFF\xFF\xFF", 4);

ServerState counts(ServerState s, int players, int max)
{
    s.players = players;
    s.maxPlayers = max;
    return s;
}
} // namespace

QByteArray request(const QByteArray &challenge)
{
    return singleMark + QByteArray("TSource Engine Query", 21) + challenge;
}

QByteArray playersRequest(const QByteArray &challenge)
{
    return singleMark + 'U' + challenge;
}

Parsed parse(const QByteArray &reply)
{
    Parsed out;
    if (!reply.startsWith(singleMark) || reply.size() < 5)
        return out;
    ByteReader r(reply, 5);
    ServerState s;
    switch (reply.at(4)) {
    case 'A': {
        const QByteArray challenge = r.bytes(4);
        if (r.ok()) {
            out.kind = Parsed::Challenge;
            out.challenge = challenge;
        }
        return out;
    }
    case 'I': {
        r.u8(); // protocol
        s.name = ReplyText::fromUtf8(r.cString());
        s.map = ReplyText::fromUtf8(r.cString());
        r.cString(); // folder
        r.cString(); // game
        r.i16();     // application id
        const int players = r.u8();
        const int max = r.u8();
        r.u8(); // bots, counted among the players
        r.u8(); // server type
        r.u8(); // environment
        s.passwordNeeded = r.u8() != 0;
        s = counts(s, players, max);
        break;
    }
    case 'm': {
        r.cString(); // address
        s.name = ReplyText::fromUtf8(r.cString());
        s.map = ReplyText::fromUtf8(r.cString());
        r.cString(); // folder
        r.cString(); // game
        const int players = r.u8();
        const int max = r.u8();
        r.u8(); // protocol
        r.u8(); // server type
        r.u8(); // environment
        s.passwordNeeded = r.u8() != 0;
        s = counts(s, players, max);
        break;
    }
    case 'D': {
        const int count = r.u8();
        for (int i = 0; i < count && r.ok() && !r.atEnd(); ++i) {
            PlayerRow row;
            r.u8(); // index
            row.name = ReplyText::fromUtf8(r.cString());
            row.score = std::clamp(r.i32(), -99999, 99999);
            r.i32(); // seconds on the server, a float
            row.pingMs = -1; // not told
            if (r.ok() && s.playerList.size() < ReplyLimits::MaxPlayerRows)
                s.playerList.append(row);
        }
        if (r.ok()) {
            s.hasPlayerList = true;
            out.kind = Parsed::Players;
            out.state = s;
        }
        return out;
    }
    default:
        return out;
    }
    if (r.ok()) {
        out.kind = Parsed::Info;
        out.state = s;
    }
    return out;
}

} // namespace SourceReply
