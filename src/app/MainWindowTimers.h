#pragma once

#include <vector>

// The window timers of the main window.
struct TimerRow {
    const char *name;
    int intervalMs;
    bool enabled;
};

const std::vector<TimerRow> &mainWindowTimers();
