#pragma once

struct ServerState;

// Whether a player can get onto a server, decided here and nowhere else.
class ServerSlots
{
public:
    // No public slot is free (private slots need their own password).
    static bool isFull(const ServerState &state);
    // The server answers and has room for one more.
    static bool hasFreeSlot(const ServerState &state);
};
