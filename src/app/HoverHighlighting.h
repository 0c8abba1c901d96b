#pragma once

#include "HoverTables.h"

#include <vector>

class QWidget;
class SoundCues;
class TForm1;

// Lights hover twins under the pointer and puts them out over the reset
// areas. Installed once every control of the main window is built: the
// tables hold controls that several parts of the launcher build.
class HoverHighlighting
{
public:
    HoverHighlighting(TForm1 &mainWindow, SoundCues &cues, const HoverTables::Parts &parts);

    // Puts out every lit twin, as when the window comes back on the screen:
    // wherever the pointer was when it left, it is not there now.
    void reset();

private:
    // A table row with its controls found.
    struct Row {
        std::vector<HoverTables::Step> steps;
        QWidget *shows;
        std::vector<QWidget *> hides;
    };

    void install(const HoverTables::HoverRow &row);
    void run(const Row &row);

    TForm1 &m_mainWindow;
    SoundCues &m_cues;
    std::vector<Row> m_rows;
};
