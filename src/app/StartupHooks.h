#pragma once

#include <functional>

// The bodies of the start-up steps. The chain fixes when each runs and the
// progress around it; the subsystems fill them in. An empty hook does nothing.
struct StartupHooks {
    // Step 1: the counters.
    std::function<void()> counters;
    // Step 2: the language, then the settings.
    std::function<void()> languageLoad;
    std::function<void()> loadFirstPaths;
    std::function<void()> loadRemainingSettings;
    // Step 3: first run and the update check.
    std::function<void()> startPageLoads;
    std::function<bool()> readFirstRun;
    std::function<void()> firstRun;
    std::function<void()> readNotShow;
    std::function<void()> applyNotShow;
    std::function<void()> fetchVersion;
    std::function<bool()> announceVersion; // true when a newer version was announced
    std::function<void()> fillVersionDialog;
    // Step 4: the news window.
    std::function<void()> showNews;
};
