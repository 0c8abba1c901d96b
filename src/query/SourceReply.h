#pragma once

#include "ServerState.h"

#include <QByteArray>

// A2S_INFO of Source and GoldSrc servers: the request, and one whole reply
// (after any reassembly): a challenge (0x41), the current info reply (0x49)
// or the old GoldSrc one (0x6D, which starts with the server's address).
namespace SourceReply {

// FF FF FF FF 54 "Source Engine Query" 00, then the challenge if any.
QByteArray request(const QByteArray &challenge = QByteArray());

struct Parsed {
    enum Kind { Invalid, Challenge, Info };
    Kind kind = Invalid;
    QByteArray challenge; // 4 bytes
    ServerState state;    // name, map, counts and password of an info reply
};

Parsed parse(const QByteArray &reply);

} // namespace SourceReply
