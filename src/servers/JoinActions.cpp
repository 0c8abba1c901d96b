#include "JoinActions.h"

#include "ServerCatalogue.h"

namespace {
// The tile of entry 9 joins without a sound; its twin plays the cue.
constexpr int silentTileEntry = 9;
} // namespace

std::vector<JoinAction> joinActions()
{
    using namespace ServerCatalogue;
    std::vector<JoinAction> actions;
    for (const ServerEntry &e : entries()) {
        const char *cue = groupOf(e).joinCue;
        actions.push_back({e.tile, e.number, e.number == silentTileEntry ? nullptr : cue});
        actions.push_back({e.twin, e.number, cue});
    }
    return actions;
}
