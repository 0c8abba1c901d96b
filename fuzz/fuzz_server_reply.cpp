// Feeds arbitrary datagrams to the game servers' reply parsers. The first
// byte picks the protocol (a row of QueryProtocols) and, in its top bit,
// whether the player list is wanted; the rest is
// a run of datagrams, each behind a two-byte little-endian length.
// Invariants: nothing crashes; a finished reply's texts, counts and player
// list stay within their bounds; held split parts stay within their bound.
#include "query/GameSpyReply.h"
#include "query/Quake3Reply.h"
#include "query/QueryProtocols.h"
#include "query/QuerySession.h"
#include "query/ReplyLimits.h"
#include "query/SourceReply.h"
#include "query/SplitReassembler.h"
#include "query/Unreal2Reply.h"

#include <cstdint>
#include <cstdlib>

static void check(const ServerState &s)
{
    if (s.name.size() > ReplyLimits::MaxText || s.map.size() > ReplyLimits::MaxText)
        abort();
    if (s.players < 0 || s.players > ReplyLimits::MaxCount || s.maxPlayers < 0 || s.maxPlayers > ReplyLimits::MaxCount)
        abort();
    if (s.playerList.size() > ReplyLimits::MaxPlayerRows)
        abort();
    for (const PlayerRow &row : s.playerList) {
        if (row.name.size() > ReplyLimits::MaxText)
            abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const auto &protocols = QueryProtocols::all();
    const QueryProtocol protocol = protocols[(data[0] & 0x7F) % protocols.size()].protocol;
    const bool players = data[0] & 0x80;
    QuerySession session(protocol, players);
    session.startTry(1, 7);
    SplitReassembler splits;
    size_t pos = 1;
    while (pos < size) {
        size_t length = size - pos >= 2 ? size_t(data[pos] | data[pos + 1] << 8) : 0;
        pos += 2;
        if (pos > size)
            break;
        if (length > size - pos)
            length = size - pos;
        const QByteArray datagram(reinterpret_cast<const char *>(data + pos), qsizetype(length));
        pos += length;

        const QuerySession::Step step = session.feed(datagram);
        if (step.kind == QuerySession::Step::Done)
            check(step.state);
        if (step.kind == QuerySession::Step::Send && datagram.size() % 7 == 0)
            session.startTry(2, 8); // a retry on the way
        check(SourceReply::parse(datagram).state);
        check(Quake3Reply::parse(datagram).state);
        check(Unreal2Reply::parse(datagram).state);
        check(GameSpyReply::state(GameSpyReply::part(datagram).pairs));
        splits.add(datagram);
        if (splits.heldBytes() > ReplyLimits::MaxAssemblyBytes + ReplyLimits::MaxDatagram)
            abort();
    }
    return 0;
}
