#pragma once

#include <vector>

class WindowTimer;

// The window timers of the main window, by their names.
struct MainWindowTimers {
    WindowTimer *Timer6;        // start-up step 1
    WindowTimer *Timer4;        // start-up step 2
    WindowTimer *updatert;      // start-up step 3
    WindowTimer *news;          // start-up step 4
    WindowTimer *shownew;       // opens the new-version dialog
    WindowTimer *onlinecounter; // refreshes the counters
    WindowTimer *Timer5;        // the clock
    WindowTimer *Timer1;        // switched on by the language steps
    WindowTimer *Timer2;        // ends a join
    WindowTimer *Timer3;        // minimises after a join
};

// One timer as designed.
struct TimerRow {
    WindowTimer *MainWindowTimers::*timer;
    const char *name;
    int intervalMs;
    bool enabled;
};

const std::vector<TimerRow> &mainWindowTimers();
