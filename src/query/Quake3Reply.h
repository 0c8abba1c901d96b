#pragma once

#include "ServerState.h"

#include <QByteArray>

// Quake 3 style queries as Call of Duty and Call of Duty 2 answer them.
// Only "getstatus" tells the whole server: its statusResponse is one line
// of \key\value pairs (sv_maxclients counts every slot, sv_privateClients
// the private ones) and then one line per player, bots included: score
// ping "name". getinfo's counts leave out the private slots and who sits in
// them, so it is not asked. A server may echo the request's argument as
// \challenge\. Texts are Latin-1 with ^0-^9 colour codes.
namespace Quake3Reply {

QByteArray statusRequest(const QByteArray &nonce);

struct Parsed {
    bool valid = false;
    QByteArray challenge; // the nonce the reply echoes, if it does
    ServerState state;    // with the player list
};

Parsed parse(const QByteArray &reply);

} // namespace Quake3Reply
