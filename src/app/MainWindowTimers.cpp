#include "MainWindowTimers.h"

const std::vector<TimerRow> &mainWindowTimers()
{
    static const std::vector<TimerRow> timers = {
        {"Timer6", 1, true},           // start-up step 1
        {"Timer4", 1, false},          // start-up step 2
        {"updatert", 1, false},        // start-up step 3
        {"news", 100, false},          // start-up step 4
        {"shownew", 200, false},       // opens the new-version dialog
        {"onlinecounter", 30000, true}, // refreshes the counters
        {"Timer5", 1000, true},        // the clock
        {"Timer1", 5000, true},        // switched on by the language steps
        {"Timer2", 7000, false},       // ends a join
        {"Timer3", 1800, false},       // minimises after a join
    };
    return timers;
}
