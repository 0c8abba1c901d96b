#pragma once

// What the subsystems do inside the four start-up steps. The chain fixes
// when each part runs and the progress around it.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    // Step 1: the counters.
    virtual void counters() = 0;
    // Step 2: the language, then the settings.
    virtual void languageLoad() = 0;
    virtual void loadFirstPaths() = 0;
    virtual void loadRemainingSettings() = 0;
    // Step 3: first run and the update check.
    virtual void startPageLoads() = 0;
    virtual bool readFirstRun() = 0;
    virtual void firstRun() = 0;
    virtual void readNotShow() = 0;
    virtual void applyNotShow() = 0;
    virtual void fetchVersion() = 0;
    virtual bool announceVersion() = 0; // true when a newer version was announced
    virtual void fillVersionDialog() = 0;
    // Step 4: the news window.
    virtual void showNews() = 0;
};
