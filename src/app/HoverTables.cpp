#include "HoverTables.h"

#include <algorithm>
#include <cstring>

namespace HoverTables {

namespace {
Names join(std::initializer_list<Names> parts)
{
    Names all;
    for (const Names &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Names without(Names names, std::initializer_list<const char *> dropped)
{
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const char *n) {
                                   return std::any_of(dropped.begin(), dropped.end(),
                                                      [n](const char *d) { return std::strcmp(n, d) == 0; });
                               }),
                names.end());
    return names;
}

const Names buttonTwins = {"Image19", "Image28", "Image21"};
const Names iconTwins = {"Image126", "Image128", "Image113", "Image131", "Image117", "Image135", "Image155"};
const Names captionTwins = {"closeact", "Image130"};

Names twins(const std::vector<Tile> &tiles)
{
    Names names;
    for (const Tile &t : tiles)
        names.push_back(t.twin);
    return names;
}

// The tile twins of the upper groups and the button twins.
Names commonSet(const ServerTiles &tiles)
{
    return join({twins(tiles.early), buttonTwins});
}

using S = Step;
} // namespace

// Every tile lights its own twin and puts out the rest of the common set;
// late tile twins, icon twins, caption twins and the latch stay as they are.
std::vector<HoverRow> tileLighting(const ServerTiles &tiles)
{
    std::vector<HoverRow> rows;
    for (const std::vector<Tile> *group : {&tiles.early, &tiles.late}) {
        for (const Tile &t : *group)
            rows.push_back({{t.tile}, {S::Show, S::Hide}, t.twin, without(commonSet(tiles), {t.twin})});
    }
    return rows;
}

const std::vector<HoverRow> &buttonLighting()
{
    static const std::vector<HoverRow> rows = {
        {{"Image6"}, {S::Show, S::HoverCue, S::Hide}, "closeact", {"Image130"}},
        {{"Image4"}, {S::Hide, S::Show, S::HoverCue}, "Image130", {"closeact"}},
        {{"Image133"}, {S::HoverCue, S::Show}, "Image117", {}},
        {{"Image20"}, {S::HoverCue, S::Show}, "Image19", {}},
        {{"Image27"}, {S::HoverCue, S::Show}, "Image28", {}},
        {{"Image13", "Image21"}, {S::Show, S::Hide}, "Image21", {"closeact"}},
        {{"Image125", "Image126"}, {S::Show, S::Hide}, "Image126", {"closeact"}},
        {{"Image127", "Image128"}, {S::Show, S::Hide}, "Image128", {"closeact"}},
        {{"Image112"}, {S::Show, S::Hide}, "Image113", {"Image131", "closeact"}},
        {{"Image132"}, {S::Show, S::Hide}, "Image131", {"Image113", "closeact"}},
        {{"Image134"}, {S::Show, S::Hide}, "Image135", {"closeact"}},
        {{"Image156"}, {S::Show}, "Image155", {}},
    };
    return rows;
}

// Of the late twins, the first goes out over the icon strip, the logo and the
// top bar too, and the last over the lower frame strip.
std::vector<HoverRow> resetAreas(const ServerTiles &tiles)
{
    const Names common = commonSet(tiles);
    const Names late = twins(tiles.late);
    const Names firstLate = late.empty() ? Names() : Names{late.front()};
    const Names lastLate = late.empty() ? Names() : Names{late.back()};
    return {
        // The bare window and the status and statistics frames.
        {{"TForm1", "Image111", "Image157", "Image158", "Image160"},
         {S::Hide, S::ArmLatch},
         nullptr,
         join({captionTwins, common, late, iconTwins})},
        // The game header bars.
        {{"Image110", "Image44", "Image52", "Image54", "Image116", "Image115", "Image137"},
         {S::Hide, S::ArmLatch},
         nullptr,
         join({{"closeact"}, common, late, without(iconTwins, {"Image155"})})},
        // The icon strip.
        {{"Image29"}, {S::Hide, S::ArmLatch}, nullptr, join({{"closeact"}, common, firstLate, iconTwins})},
        // The logo, the top bar and the clock.
        {{"Image1", "Image30", "Image153", "Image154", "Label41"},
         {S::Hide, S::ArmLatch},
         nullptr,
         join({{"closeact"}, common, firstLate, without(iconTwins, {"Image135", "Image155"})})},
        // Frame strips.
        {{"Image9", "Image5"}, {S::Hide}, nullptr, {"Image130", "closeact"}},
        {{"Image8"}, {S::Hide}, nullptr, lastLate},
        // The close twin re-arms the hover sound.
        {{"closeact"}, {S::ArmLatch}, nullptr, {}},
    };
}

} // namespace HoverTables
