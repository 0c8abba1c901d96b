#pragma once

#include <vector>

class QWidget;

// What pointer movement over the main window's controls lights and puts out.
// Each row names the controls whose movement runs it and the steps it takes,
// in order. The controls come from the parts of the launcher that build them.
namespace HoverTables {

using Widgets = std::vector<QWidget *>;

enum class Step {
    Show,      // show the row's twin
    Hide,      // hide the row's hide set
    HoverCue,  // "click.wav" once per hover: only while the latch is "0"
    ArmLatch,  // latch back to "0"
};

struct HoverRow {
    Widgets areas;
    std::vector<Step> steps;
    QWidget *shows; // null: lights nothing
    Widgets hides;
};

// A picture with its hover twin.
struct Pair {
    QWidget *picture;
    QWidget *twin;
};

// The server tiles, top to bottom: the twins of the upper groups belong to
// the common set; the late ones stay lit until a reset area covers them.
struct ServerTiles {
    std::vector<Pair> early;
    std::vector<Pair> late;
    Widgets headerBars; // the bars behind the game headers
};

// The window's frame: its buttons, the icon strip, the top bars with the clock
// and the frame strips.
struct ChromeParts {
    Pair close;
    Pair minimise;
    Pair settings;
    QWidget *iconStrip;
    Widgets topBars;
    Widgets upperFrames; // top and right strips
    QWidget *lowerFrame;
};

struct VoiceAndLinkParts {
    Pair banList;
    Pair forum;
    Pair ventrilo;
    Pair teamSpeak;
};

struct WebParts {
    Pair speedTest;
    Pair info;
    Pair bugReport;
    Pair chat;
    QWidget *logo;
    Widgets statusFrames; // above and below the status page
};

// Everything the tables name, as built.
struct Parts {
    QWidget *window; // the bare window
    ServerTiles tiles;
    ChromeParts chrome;
    VoiceAndLinkParts voiceAndLinks;
    WebParts web;
    Widgets statisticsFrames;
    Pair update;
};

// Lighting a tile, lighting a button, and the reset areas.
std::vector<HoverRow> tileLighting(const Parts &parts);
std::vector<HoverRow> buttonLighting(const Parts &parts);
std::vector<HoverRow> resetAreas(const Parts &parts);

} // namespace HoverTables
