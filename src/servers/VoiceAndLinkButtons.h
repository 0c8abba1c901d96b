#pragma once

#include "app/Launcher.h"

// The Ventrilo and TeamSpeak buttons, and the ban-list and forum buttons.
class VoiceAndLinkButtons : public Subsystem
{
public:
    explicit VoiceAndLinkButtons(Launcher &launcher);

private:
    Launcher &m_launcher;
};
