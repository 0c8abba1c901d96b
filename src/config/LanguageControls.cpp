#include "LanguageControls.h"

namespace {
constexpr const char *frame = "background-color: black;";
constexpr const char *greeting = "color: white; font: bold 9pt \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr Qt::CursorShape hand = Qt::PointingHandCursor;
constexpr Qt::CursorShape arrow = Qt::ArrowCursor;
} // namespace

const std::vector<ControlRow> &languageControls()
{
    static const std::vector<ControlRow> rows = {
        // Each frame lies under its flag, so 2 pixels of it show around the flag.
        {"Label5", ControlKind::Label, 431, 6, 22, 16, "", nullptr, arrow, true, 1, frame},
        {"Label6", ControlKind::Label, 459, 6, 22, 16, "", nullptr, arrow, false, 1, frame},
        {"Image2", ControlKind::Picture, 433, 8, 18, 12, ":/skin/flag_cz.png", nullptr, hand, true, 1},
        {"Image3", ControlKind::Picture, 461, 8, 18, 12, ":/skin/flag_en.png", nullptr, hand, true, 1},
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
        {"Label19", "Čas:", "Time:"},
        {"Label45", "Novinky:", "News:"},
        {"Label13", "Statistika:", "Statistic:"},
        {"Label50", "Počet přístupů:", "Access counter:"},
    };
    return rows;
}

const std::vector<LanguageVisibility> &languageVisibilities()
{
    static const std::vector<LanguageVisibility> rows = {
        {"TForm5", "Label4", true},
        {"TForm5", "Label2", false},
        {"TForm1", "Label1", true},
        {"TForm1", "Label2", true},
        {"TForm1", "Label3", false},
        {"TForm1", "Label4", false},
        {"TForm1", "Label5", false},
        {"TForm1", "Label6", true},
    };
    return rows;
}
