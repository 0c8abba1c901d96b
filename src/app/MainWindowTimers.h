#pragma once

#include <vector>

class WindowTimer;

// The window timers of the main window, named by what they do; each keeps
// its designed object name (in the comment).
struct MainWindowTimers {
    WindowTimer *countersStepTimer;      // Timer6: start-up step 1
    WindowTimer *settingsStepTimer;      // Timer4: start-up step 2
    WindowTimer *updateStepTimer;        // updatert: start-up step 3
    WindowTimer *newsStepTimer;          // news: start-up step 4
    WindowTimer *versionDialogTimer;     // shownew: opens the new-version dialog
    WindowTimer *counterRefreshTimer;    // onlinecounter: refreshes the counters
    WindowTimer *clockTimer;             // Timer5: the clock
    WindowTimer *languageTimer;          // Timer1: switched on by the language steps
    WindowTimer *joinEndTimer;           // Timer2: ends a join
    WindowTimer *minimiseAfterJoinTimer; // Timer3: minimises after a join
};

// One timer as designed.
struct TimerRow {
    WindowTimer *MainWindowTimers::*timer;
    const char *name;
    int intervalMs;
    bool enabled;
};

const std::vector<TimerRow> &mainWindowTimers();
