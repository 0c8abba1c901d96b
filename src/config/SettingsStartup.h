#pragma once

#include "app/Launcher.h"

// Loads the settings window at start-up and runs the first-run rule.
class SettingsStartup : public Subsystem
{
public:
    explicit SettingsStartup(Launcher &launcher);

    // Fills the path displays of one group from data.dat: the first four
    // games (which also become their dialogs' initial files), or the rest.
    void loadPaths(bool early);
    // The sounds and transparency switches; transparency is applied at once.
    void loadSwitches();
    bool readFirstRun();
    void firstRun();

private:
    Launcher &m_launcher;
};
