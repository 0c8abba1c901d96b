#pragma once

struct ServerState;

// Whether a player can get onto a server, decided here and nowhere else.
class ServerSlots
{
public:
    // Every slot a player can take is taken: players reached a maximum
    // above nought.
    static bool isFull(const ServerState &state);
    // The server answers and has room for one more.
    static bool hasFreeSlot(const ServerState &state);
};
