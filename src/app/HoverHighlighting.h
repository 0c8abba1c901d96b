#pragma once

#include "app/Launcher.h"

namespace HoverTables {
struct HoverRow;
}

// Lights hover twins under the pointer and puts them out over the reset areas.
// Controls are found by name when the pointer moves, so the rows also serve
// controls that other parts of the launcher build.
class HoverHighlighting : public Subsystem
{
public:
    explicit HoverHighlighting(Launcher &launcher);

private:
    void run(const HoverTables::HoverRow &row);
    void setShown(const char *name, bool shown);

    Launcher &m_launcher;
};
