#pragma once

#include "app/Launcher.h"

// Lights hover twins under the pointer and puts them out over the reset areas.
class HoverHighlighting : public Subsystem
{
public:
    explicit HoverHighlighting(Launcher &launcher);

private:
    Launcher &m_launcher;
};
