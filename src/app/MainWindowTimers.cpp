#include "MainWindowTimers.h"

const std::vector<TimerRow> &mainWindowTimers()
{
    using T = MainWindowTimers;
    static const std::vector<TimerRow> timers = {
        {&T::Timer6, "Timer6", 1, true},
        {&T::Timer4, "Timer4", 1, false},
        {&T::updatert, "updatert", 1, false},
        {&T::news, "news", 100, false},
        {&T::shownew, "shownew", 200, false},
        {&T::onlinecounter, "onlinecounter", 30000, true},
        {&T::Timer5, "Timer5", 1000, true},
        {&T::Timer1, "Timer1", 5000, true},
        {&T::Timer2, "Timer2", 7000, false},
        {&T::Timer3, "Timer3", 1800, false},
    };
    return timers;
}
