#include "HoverTables.h"

#include "servers/ServerCatalogue.h"

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

using S = Step;
} // namespace

const Names &tileTwins()
{
    static const Names names = {"Image23", "Image22", "Image24", "Image25", "Image26", "Image40",
                                "Image41", "Image50", "Image51", "Image42", "Image43"};
    return names;
}

const Names &buttonTwins()
{
    static const Names names = {"Image19", "Image28", "Image21"};
    return names;
}

const Names &lateTileTwins()
{
    static const Names names = {"Image119", "Image148", "Image149"};
    return names;
}

const Names &iconTwins()
{
    static const Names names = {"Image126", "Image128", "Image113", "Image131", "Image117", "Image135", "Image155"};
    return names;
}

const Names &captionTwins()
{
    static const Names names = {"closeact", "Image130"};
    return names;
}

Names commonSet()
{
    return join({tileTwins(), buttonTwins()});
}

Names allTwins()
{
    return join({captionTwins(), commonSet(), lateTileTwins(), iconTwins()});
}

const std::vector<HoverRow> &tileLighting()
{
    // Every tile lights its own twin and puts out the rest of the common set;
    // late tile twins, icon twins, caption twins and the latch stay as they are.
    static const std::vector<HoverRow> rows = [] {
        std::vector<HoverRow> made;
        for (const ServerCatalogue::ServerEntry &e : ServerCatalogue::entries())
            made.push_back({{e.tile}, {S::Show, S::Hide}, e.twin, without(commonSet(), {e.twin})});
        return made;
    }();
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

const std::vector<HoverRow> &resetAreas()
{
    static const std::vector<HoverRow> rows = {
        // The bare window and the status and statistics frames.
        {{"TForm1", "Image111", "Image157", "Image158", "Image160"}, {S::Hide, S::ArmLatch}, nullptr, allTwins()},
        // The game header bars.
        {{"Image110", "Image44", "Image52", "Image54", "Image116", "Image115", "Image137"},
         {S::Hide, S::ArmLatch},
         nullptr,
         join({{"closeact"}, commonSet(), lateTileTwins(), without(iconTwins(), {"Image155"})})},
        // The icon strip.
        {{"Image29"}, {S::Hide, S::ArmLatch}, nullptr, join({{"closeact"}, commonSet(), {"Image119"}, iconTwins()})},
        // The logo, the top bar and the clock.
        {{"Image1", "Image30", "Image153", "Image154", "Label41"},
         {S::Hide, S::ArmLatch},
         nullptr,
         join({{"closeact"}, commonSet(), {"Image119"}, without(iconTwins(), {"Image135", "Image155"})})},
        // Frame strips.
        {{"Image9", "Image5"}, {S::Hide}, nullptr, {"Image130", "closeact"}},
        {{"Image8"}, {S::Hide}, nullptr, {"Image149"}},
        // The close twin re-arms the hover sound.
        {{"closeact"}, {S::ArmLatch}, nullptr, {}},
    };
    return rows;
}

} // namespace HoverTables
