#pragma once

#include "app/Launcher.h"

// The main window's links and the news, chat, bug-report, speed-test and About windows.
class WebLinks : public Subsystem
{
public:
    explicit WebLinks(Launcher &launcher);

private:
    Launcher &m_launcher;
};
