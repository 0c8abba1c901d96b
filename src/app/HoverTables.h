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

// A server tile and its hover twin.
struct Tile {
    const char *tile;
    const char *twin;
};

// The server tiles, top to bottom: the twins of the upper groups belong to
// the common set; the late ones stay lit until a reset area covers them.
struct ServerTiles {
    std::vector<Tile> early;
    std::vector<Tile> late;
};

// Lighting a tile, lighting a button, and the reset areas, for these tiles.
std::vector<HoverRow> tileLighting(const ServerTiles &tiles);
const std::vector<HoverRow> &buttonLighting();
std::vector<HoverRow> resetAreas(const ServerTiles &tiles);

} // namespace HoverTables
