#include "JoinActions.h"

#include "ServerCatalogue.h"

std::vector<JoinAction> joinActions()
{
    using namespace ServerCatalogue;
    std::vector<JoinAction> actions;
    for (const ServerEntry &e : entries()) {
        const char *cue = groupOf(e).joinCue;
        actions.push_back({e.tile, e.number, e.silentTile ? nullptr : cue});
        actions.push_back({e.twin, e.number, cue});
    }
    return actions;
}
