#pragma once

#include "ServerState.h"

#include <QByteArray>

// Quake 3 style queries as Call of Duty and Call of Duty 2 answer them:
// "getinfo <nonce>" answered by infoResponse, a line of \key\value pairs,
// and "getstatus" answered by statusResponse, whose pairs one line per
// player follows: score ping "name". Texts are Latin-1 with ^0-^9 colour codes.
namespace Quake3Reply {

QByteArray infoRequest(const QByteArray &nonce);
QByteArray statusRequest();

struct Parsed {
    enum Kind { Invalid, Info, Status };
    Kind kind = Invalid;
    QByteArray challenge; // the nonce an infoResponse echoes, if it does
    ServerState state;    // a status reply carries the player list
};

Parsed parse(const QByteArray &reply);

} // namespace Quake3Reply
