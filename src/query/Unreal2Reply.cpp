#include "Unreal2Reply.h"

#include "ByteReader.h"
#include "ReplyLimits.h"
#include "ReplyText.h"

#include <algorithm>

namespace Unreal2Reply {

namespace {
const QByteArray replyMark("\x80\x00\x00\x00", 4);
constexpr char details = 0;
constexpr char players = 2;
constexpr int passwordFlag = 1;

QString text(ByteReader &r)
{
    const int length = r.u8();
    QString out;
    if (length & 0x80) {
        const QByteArray raw = r.bytes((length & 0x7F) * 2);
        for (int i = 0; i + 1 < raw.size(); i += 2)
            out += QChar(char16_t(quint8(raw.at(i)) | quint8(raw.at(i + 1)) << 8));
    } else {
        out = QString::fromLatin1(r.bytes(length));
    }
    QString plain;
    for (int i = 0; i < out.size(); ++i) {
        if (out.at(i) == QChar(0x1B)) {
            i += 3;
            continue;
        }
        plain += out.at(i);
    }
    return ReplyText::tidy(plain);
}
} // namespace

QByteArray detailsRequest()
{
    return QByteArray("\x79\x00\x00\x00\x00", 5);
}

QByteArray playersRequest()
{
    return QByteArray("\x79\x00\x00\x00\x02", 5);
}

Parsed parse(const QByteArray &reply)
{
    Parsed out;
    if (!reply.startsWith(replyMark) || reply.size() < 5)
        return out;
    ByteReader r(reply, 5);
    ServerState &s = out.state;
    if (reply.at(4) == details) {
        r.i32();  // server id
        text(r);  // address
        r.i32();  // game port
        r.i32();  // query port
        s.name = text(r);
        s.map = text(r);
        text(r);  // game type
        s.players = std::clamp(r.i32(), 0, ReplyLimits::MaxCount);
        s.maxPlayers = std::clamp(r.i32(), 0, ReplyLimits::MaxCount);
        if (!r.ok())
            return out;
        if (r.remaining() >= 8) {
            r.i32(); // ping as the server sees it
            s.passwordNeeded = r.i32() & passwordFlag;
        }
        out.kind = Parsed::Details;
        return out;
    }
    if (reply.at(4) == players) {
        while (!r.atEnd() && r.ok()) {
            r.i32(); // player id
            PlayerRow row;
            row.name = text(r);
            row.pingMs = std::clamp(r.i32(), 0, 9999);
            row.score = std::clamp(r.i32(), -99999, 99999);
            r.i32(); // stats id
            if (!r.ok())
                break;
            if (s.playerList.size() < ReplyLimits::MaxPlayerRows)
                s.playerList.append(row);
        }
        if (!r.ok())
            return out;
        s.hasPlayerList = true;
        out.kind = Parsed::Players;
    }
    return out;
}

} // namespace Unreal2Reply
