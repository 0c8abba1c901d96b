#pragma once

#include <vector>

// What pointer movement over the main window's controls lights and puts out.
// Each row names the controls whose movement runs it and the steps it takes,
// in order.
namespace HoverTables {

using Names = std::vector<const char *>;

enum class Step {
    Show,      // show the row's twin
    Hide,      // hide the row's hide set
    HoverCue,  // "click.wav" once per hover: only while the latch is "0"
    ArmLatch,  // latch back to "0"
};

struct HoverRow {
    Names areas;
    std::vector<Step> steps;
    const char *shows; // null: lights nothing
    Names hides;
};

// The twin groups.
const Names &tileTwins();
const Names &buttonTwins();
const Names &lateTileTwins();
const Names &iconTwins();
const Names &captionTwins();
// Tile twins and button twins together.
Names commonSet();
Names allTwins();

// Lighting a tile, lighting a button, and the reset areas.
const std::vector<HoverRow> &tileLighting();
const std::vector<HoverRow> &buttonLighting();
const std::vector<HoverRow> &resetAreas();

} // namespace HoverTables
