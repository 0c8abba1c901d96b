#pragma once

#include "ServerState.h"

#include <QByteArray>

// A2S_INFO and A2S_PLAYER of Source and GoldSrc servers: the requests, and
// one whole reply (after any reassembly): a challenge (0x41), the current
// info reply (0x49), the old GoldSrc one (0x6D, which starts with the
// server's address) or the players (0x44). Counts include bots. Texts are
// UTF-8.
namespace SourceReply {

// FF FF FF FF 54 "Source Engine Query" 00, then the challenge if any.
QByteArray request(const QByteArray &challenge = QByteArray());
// FF FF FF FF 55 and the challenge, FF FF FF FF to ask for one.
QByteArray playersRequest(const QByteArray &challenge = QByteArray("\xFF\xFF\xFF\xFF", 4));

struct Parsed {
    enum Kind { Invalid, Challenge, Info, Players };
    Kind kind = Invalid;
    QByteArray challenge; // 4 bytes
    ServerState state;    // name, map, counts and password of an info reply; the list of a players one
};

Parsed parse(const QByteArray &reply);

} // namespace SourceReply
