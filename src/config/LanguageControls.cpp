#include "LanguageControls.h"

namespace {
constexpr const char *frame = "background-color: black;";
constexpr const char *greeting = "color: white; font: bold 9pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr Qt::CursorShape arrow = Qt::ArrowCursor;
} // namespace

const std::vector<ControlRow> &flagFrames()
{
    // Each frame lies under its flag, so 2 pixels of it show around the flag.
    static const std::vector<ControlRow> rows = {
        {"Label5", ControlKind::Label, 431, 6, 22, 16, "", nullptr, arrow, true, 1, frame},
        {"Label6", ControlKind::Label, 459, 6, 22, 16, "", nullptr, arrow, false, 1, frame},
    };
    return rows;
}

namespace Flags {
const PictureButtonRow czech{"Image2", nullptr, {433, 8, 18, 12}, ":/skin/flag_cz.png", nullptr, nullptr,
                             "Čeština / Czech", "Přepne do češtiny / Switches to Czech"};
const PictureButtonRow english{"Image3", nullptr, {461, 8, 18, 12}, ":/skin/flag_en.png", nullptr, nullptr,
                               "Angličtina / English", "Přepne do angličtiny / Switches to English"};
} // namespace Flags

const std::vector<ControlRow> &greetings()
{
    static const std::vector<ControlRow> rows = {
        {"Label1", ControlKind::Label, 25, 36, 103, 20, "Welcome...", nullptr, arrow, false, 1, greeting},
        {"Label2", ControlKind::Label, 25, 66, 103, 20, "Select server...", nullptr, arrow, false, 1, greeting},
        {"Label3", ControlKind::Label, 25, 36, 103, 20, "Vítej!", nullptr, arrow, true, 1, greeting},
        {"Label4", ControlKind::Label, 25, 66, 103, 20, "Vyber si server ", nullptr, arrow, true, 1, greeting},
    };
    return rows;
}

const std::vector<LanguageCaption> &languageCaptions()
{
    // The clock prefix is designed as "Čas: "; a switch back to Czech sets it without the blank.
    static const std::vector<LanguageCaption> rows = {
        {&LanguageTargets::clockPrefix, "Čas:", "Time:"},
        {&LanguageTargets::newsTitle, "Novinky:", "News:"},
        {&LanguageTargets::statisticsTitle, "Statistika:", "Statistic:"},
        {&LanguageTargets::accessTitle, "Počet přístupů:", "Access counter:"},
    };
    return rows;
}

const std::vector<LanguageVisibility> &languageVisibilities()
{
    static const std::vector<LanguageVisibility> rows = {
        {"Label1", true}, {"Label2", true}, {"Label3", false},
        {"Label4", false}, {"Label5", false}, {"Label6", true},
    };
    return rows;
}
