#pragma once

#include <vector>

// The click actions that join a server, one per carrier: every server tile
// and every hover twin joins its entry with its group's join cue, except
// that one tile joins without a sound.
struct JoinAction {
    const char *carrier;
    int entry;
    const char *cue; // null: the action joins silently
};

// Follows the catalogue: tile, then twin, entry by entry.
std::vector<JoinAction> joinActions();
