#pragma once

#include "app/Launcher.h"

// The fourteen server rows: tiles, password edits and joining.
class ServerMenu : public Subsystem
{
public:
    explicit ServerMenu(Launcher &launcher);

private:
    Launcher &m_launcher;
};
