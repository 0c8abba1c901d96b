#include "JoinActions.h"

#include "app/SoundCues.h"

const std::vector<JoinAction> &joinActions()
{
    // Entries 9 and 11 carry separate actions on the tile and on its twin;
    // the tile of entry 9 joins without a sound.
    static const std::vector<JoinAction> table = {
        {"Image14Click", {"Image14", "Image23"}, 1, Cue::tada},
        {"Image15Click", {"Image15", "Image22"}, 2, Cue::tada},
        {"Image16Click", {"Image16", "Image24"}, 3, Cue::tada},
        {"Image17Click", {"Image17", "Image25"}, 4, Cue::tada},
        {"Image18Click", {"Image18", "Image26"}, 5, Cue::tada},
        {"Image40Click", {"Image35", "Image40"}, 6, Cue::tada2},
        {"Image41Click", {"Image36", "Image41"}, 7, Cue::tada2},
        {"Image50Click", {"Image48", "Image50"}, 8, Cue::tada2},
        {"Image49Click", {"Image49", nullptr}, 9, nullptr},
        {"Image51Click", {"Image51", nullptr}, 9, Cue::tada2},
        {"Image42Click", {"Image38", "Image42"}, 10, Cue::tada2},
        {"Image39Click", {"Image39", nullptr}, 11, Cue::tada2},
        {"Image43Click", {"Image43", nullptr}, 11, Cue::tada2},
        {"Image118Click", {"Image118", "Image119"}, 12, Cue::tada3},
        {"Image146Click", {"Image146", "Image148"}, 13, Cue::tada3},
        {"Image147Click", {"Image147", "Image149"}, 14, Cue::tada3},
    };
    return table;
}
