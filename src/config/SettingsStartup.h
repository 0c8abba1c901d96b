#pragma once

#include "app/Launcher.h"

// Loads the settings window at start-up and runs the first-run rule.
class SettingsStartup : public Subsystem
{
public:
    explicit SettingsStartup(Launcher &launcher);

private:
    Launcher &m_launcher;
};
