#pragma once

#include "app/Launcher.h"

// The Czech and English states of the captions, and the flag switches.
class LanguageSwitch : public Subsystem
{
public:
    explicit LanguageSwitch(Launcher &launcher);

private:
    Launcher &m_launcher;
};
