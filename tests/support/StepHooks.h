#pragma once

#include <functional>

class Launcher;

// The parts of the start-up steps as replaceable functions, for tests that
// watch a step or make one fail. Each starts as the launcher's own part; an
// empty one does nothing.
struct StepHooks {
    std::function<void()> counters;
    std::function<void()> languageLoad;
    std::function<void()> loadFirstPaths;
    std::function<void()> loadRemainingSettings;
    std::function<void()> startPageLoads;
    std::function<bool()> readFirstRun;
    std::function<void()> firstRun;
    std::function<void()> readNotShow;
    std::function<void()> applyNotShow;
    std::function<void()> fetchVersion;
    std::function<bool()> announceVersion;
    std::function<void()> fillVersionDialog;
    std::function<void()> showNews;
};

// The hooks 'launcher' runs its start-up steps through from now on.
StepHooks &hooks(Launcher &launcher);
