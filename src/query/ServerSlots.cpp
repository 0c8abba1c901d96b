#include "ServerSlots.h"

#include "ServerState.h"

bool ServerSlots::isFull(const ServerState &state)
{
    return state.isFull();
}

bool ServerSlots::hasFreeSlot(const ServerState &state)
{
    return state.isOnline() && !isFull(state);
}
