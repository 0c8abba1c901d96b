#pragma once

#include <vector>

// The click actions that join a server: which controls carry each one, the
// entry it joins and its join cue (null: the action joins silently).
struct JoinAction {
    const char *name;
    const char *carriers[2]; // second may be null
    int entry;
    const char *cue;
};

const std::vector<JoinAction> &joinActions();
