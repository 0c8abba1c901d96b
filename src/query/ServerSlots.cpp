#include "ServerSlots.h"

#include "ServerState.h"

bool ServerSlots::isFull(const ServerState &state)
{
    return state.maxPlayers > 0 && state.players >= state.maxPlayers;
}

bool ServerSlots::hasFreeSlot(const ServerState &state)
{
    return state.isOnline() && !isFull(state);
}
