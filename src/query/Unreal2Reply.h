#pragma once

#include "ServerState.h"

#include <QByteArray>

// The native query of Unreal Tournament 2004, on the game port + 1: a
// five-byte request (79 00 00 00, then 0 for the server's details or 2 for
// its players), answered by 80 00 00 00, the same type byte and the fields,
// little-endian. A text is a length byte and that many bytes ending in NUL,
// or, when the length byte's top bit is set, that many UTF-16 characters;
// colour codes (1B and three colour bytes) are removed.
namespace Unreal2Reply {

QByteArray detailsRequest();
QByteArray playersRequest();

struct Parsed {
    enum Kind { Invalid, Details, Players };
    Kind kind = Invalid;
    ServerState state; // details: name, map, counts, password; players: the list
};

Parsed parse(const QByteArray &reply);

} // namespace Unreal2Reply
