#pragma once

#include <vector>

// The window timers of the main window.
struct TimerSpec {
    const char *name;
    int intervalMs;
    bool enabled;
};

const std::vector<TimerSpec> &mainWindowTimers();
