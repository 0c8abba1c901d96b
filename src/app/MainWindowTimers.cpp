#include "MainWindowTimers.h"

const std::vector<TimerRow> &mainWindowTimers()
{
    using T = MainWindowTimers;
    static const std::vector<TimerRow> timers = {
        {&T::countersStepTimer, "Timer6", 1, true},
        {&T::settingsStepTimer, "Timer4", 1, false},
        {&T::updateStepTimer, "updatert", 1, false},
        {&T::newsStepTimer, "news", 100, false},
        {&T::versionDialogTimer, "shownew", 200, false},
        {&T::counterRefreshTimer, "onlinecounter", 30000, true},
        {&T::clockTimer, "Timer5", 1000, true},
        {&T::languageTimer, "Timer1", 5000, true},
        {&T::joinEndTimer, "Timer2", 7000, false},
        {&T::minimiseAfterJoinTimer, "Timer3", 1800, false},
    };
    return timers;
}
