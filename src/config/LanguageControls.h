#pragma once

#include "platform/controls/ControlRow.h"
#include "platform/controls/PictureButton.h"

#include <vector>

class BrowserControl;
class TextLabel;

// The frames that mark the chosen flag, the two flags, then the two pairs of
// greeting lines, in the order they are built.
const std::vector<ControlRow> &flagFrames();
namespace Flags {
extern const PictureButtonRow czech;
extern const PictureButtonRow english;
} // namespace Flags
const std::vector<ControlRow> &greetings();

// What the switch changes of the controls that other parts of the main
// window build.
struct LanguageTargets {
    TextLabel *clockPrefix;     // Label19
    TextLabel *newsTitle;       // Label45
    TextLabel *statisticsTitle; // Label13
    TextLabel *accessTitle;     // Label50
    BrowserControl *news;       // WebBrowser2
    BrowserControl *status;     // WebBrowser1
};

// A caption that differs between the two states.
struct LanguageCaption {
    TextLabel *LanguageTargets::*label;
    const char *czech;
    const char *english;
};
const std::vector<LanguageCaption> &languageCaptions();

// A control of the switch's own, shown in one state and hidden in the other.
struct LanguageVisibility {
    const char *control;
    bool shownInEnglish;
};
const std::vector<LanguageVisibility> &languageVisibilities();
