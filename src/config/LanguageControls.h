#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The flags, their frames and the two pairs of greeting lines.
const std::vector<ControlRow> &languageControls();

// A caption of the main window that differs between the two states.
struct LanguageCaption {
    const char *control;
    const char *czech;
    const char *english;
};
const std::vector<LanguageCaption> &languageCaptions();

// A control shown in one state and hidden in the other, on the main window
// ("TForm1") or the settings window ("TForm5").
struct LanguageVisibility {
    const char *window;
    const char *control;
    bool shownInEnglish;
};
const std::vector<LanguageVisibility> &languageVisibilities();
