#include "LanguageControls.h"

namespace {
constexpr const char *frame = "background-color: black;";
constexpr const char *greeting = "color: white; font: bold 9pt \"MS Sans Serif\", \"DejaVu Sans\";";
} // namespace

const std::vector<ControlRow> &flagFrames()
{
    // Each frame lies under its flag, so 2 pixels of it show around the flag.
    static const std::vector<ControlRow> rows = {
        {.name = "Label5", .kind = ControlKind::Label, .left = 431, .top = 6, .width = 22, .height = 16,
         .content = "", .layer = 1, .style = frame},
        {.name = "Label6", .kind = ControlKind::Label, .left = 459, .top = 6, .width = 22, .height = 16,
         .content = "", .visible = false, .layer = 1, .style = frame},
    };
    return rows;
}

namespace Flags {
const PictureButtonRow czech{.name = "Image2", .twin = nullptr, .place = {433, 8, 18, 12},
                             .picture = ":/skin/flag_cz.png", .accessibleName = "Čeština / Czech",
                             .description = "Přepne do češtiny / Switches to Czech"};
const PictureButtonRow english{.name = "Image3", .twin = nullptr, .place = {461, 8, 18, 12},
                               .picture = ":/skin/flag_en.png", .accessibleName = "Angličtina / English",
                               .description = "Přepne do angličtiny / Switches to English"};
} // namespace Flags

const std::vector<ControlRow> &greetings()
{
    static const std::vector<ControlRow> rows = {
        {.name = "Label1", .kind = ControlKind::Label, .left = 25, .top = 36, .width = 103, .height = 20,
         .content = "Welcome...", .visible = false, .layer = 1, .style = greeting},
        {.name = "Label2", .kind = ControlKind::Label, .left = 25, .top = 66, .width = 103, .height = 20,
         .content = "Select server...", .visible = false, .layer = 1, .style = greeting},
        {.name = "Label3", .kind = ControlKind::Label, .left = 25, .top = 36, .width = 103, .height = 20,
         .content = "Vítej!", .layer = 1, .style = greeting},
        {.name = "Label4", .kind = ControlKind::Label, .left = 25, .top = 66, .width = 103, .height = 20,
         .content = "Vyber si server ", .layer = 1, .style = greeting},
    };
    return rows;
}

const std::vector<LanguageCaption> &languageCaptions()
{
    // The clock prefix is designed as "Čas: "; a switch back to Czech sets it without the blank.
    static const std::vector<LanguageCaption> rows = {
        {.label = &LanguageTargets::clockPrefix, .czech = "Čas:", .english = "Time:"},
        {.label = &LanguageTargets::newsTitle, .czech = "Novinky:", .english = "News:"},
        {.label = &LanguageTargets::statisticsTitle, .czech = "Statistika:", .english = "Statistic:"},
        {.label = &LanguageTargets::accessTitle, .czech = "Počet přístupů:", .english = "Access counter:"},
    };
    return rows;
}

const std::vector<LanguageVisibility> &languageVisibilities()
{
    static const std::vector<LanguageVisibility> rows = {
        {.control = "Label1", .shownInEnglish = true},  {.control = "Label2", .shownInEnglish = true},
        {.control = "Label3", .shownInEnglish = false}, {.control = "Label4", .shownInEnglish = false},
        {.control = "Label5", .shownInEnglish = false}, {.control = "Label6", .shownInEnglish = true},
    };
    return rows;
}
