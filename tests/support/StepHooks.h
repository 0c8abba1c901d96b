#pragma once

#include <functional>
#include <memory>

class Launcher;
class StartupSteps;

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

// Steps that run through their hooks, which start as the parts of 'own';
// 'hooks' is set to them.
std::unique_ptr<StartupSteps> hookedSteps(StartupSteps &own, StepHooks *&hooks);

// The hooks 'launcher' (built by TestLaunchers) runs its start-up steps through.
StepHooks &hooks(Launcher &launcher);
