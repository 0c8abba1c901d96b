#pragma once

#include "app/Launcher.h"

// The main window's frame, its close, minimise and settings buttons, the tray icon and transparency.
class WindowChrome : public Subsystem
{
public:
    explicit WindowChrome(Launcher &launcher);

private:
    Launcher &m_launcher;
};
