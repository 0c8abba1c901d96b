#include "SettingsControls.h"

#include "SettingsRows.h"

namespace {
constexpr const char *labelText = "color: white; font-weight: bold;";

// Path rows: the label on top, the display with its button below it.
constexpr int firstRowTop = 40;
constexpr int rowPitch = 50;
constexpr int rowLeft = 12;
constexpr int iconWidth = 22;
constexpr int labelIndent = rowLeft + iconWidth + 4;
constexpr int displayWidth = 233;
constexpr int displayHeight = 17;
constexpr int buttonLeft = rowLeft + displayWidth + 6;

std::vector<ControlRow> rowControls(const PathRow &row)
{
    const int top = firstRowTop + (row.row - 1) * rowPitch;
    std::vector<ControlRow> controls;
    if (row.icon) {
        // The Counter-Strike icon is square, the Call of Duty icons are wider.
        const bool square = row.row == 1;
        controls.push_back({.name = row.iconName, .kind = ControlKind::Picture,
                            .left = square ? rowLeft + 4 : rowLeft, .top = top, .width = square ? 13 : 22,
                            .height = square ? 13 : 15, .content = row.icon});
    }
    controls.push_back({.name = row.labelName, .kind = ControlKind::Label, .left = row.icon ? labelIndent : rowLeft,
                        .top = top, .width = 250, .height = 15, .content = row.label, .style = labelText});
    controls.push_back({.name = row.display, .kind = ControlKind::StaticText, .left = rowLeft, .top = top + 19,
                        .width = displayWidth, .height = displayHeight, .content = LocalFiles::unsetPath});
    controls.push_back({.name = row.button, .kind = ControlKind::Button, .left = buttonLeft, .top = top + 17,
                        .width = 41, .height = 21, .content = "..."});
    return controls;
}

std::vector<ControlRow> buildControls()
{
    std::vector<ControlRow> controls = {
        // The heading: the Czech one shows, the English one lies in its place.
        {.name = "Label2", .kind = ControlKind::Label, .left = rowLeft, .top = 12, .width = 282, .height = 16,
         .content = "Nastavte správné cesty k programům a hrám", .style = labelText},
        {.name = "Label4", .kind = ControlKind::Label, .left = rowLeft, .top = 12, .width = 282, .height = 16,
         .content = "Insert right paths to games and programs", .visible = false, .style = labelText},
    };
    for (const PathRow &row : pathRows())
        for (const ControlRow &control : rowControls(row))
            controls.push_back(control);

    const std::vector<ControlRow> rest = {
        // The switches carry no caption; the text beside them is a plain label.
        {.name = "CheckBox1", .kind = ControlKind::CheckBox, .left = rowLeft, .top = 497, .width = 17, .height = 17},
        {.name = "SoundsLabel", .kind = ControlKind::Label, .left = rowLeft + 20, .top = 498, .width = 110,
         .height = 15, .content = "Zvuky / Sounds", .style = labelText},
        {.name = "CheckBox2", .kind = ControlKind::CheckBox, .left = 146, .top = 497, .width = 17, .height = 17},
        {.name = "TransparencyLabel", .kind = ControlKind::Label, .left = 166, .top = 498, .width = 138, .height = 15,
         .content = "Průhlednost / Transp.", .style = labelText},
        // The save button lies on the two labels that surround it and put its
        // hover picture out; the hover picture lies on the button.
        {.name = "Label5", .kind = ControlKind::Label, .left = 90, .top = 521, .width = 63, .height = 51},
        {.name = "Label6", .kind = ControlKind::Label, .left = 153, .top = 521, .width = 63, .height = 51},
    };
    controls.insert(controls.end(), rest.begin(), rest.end());
    return controls;
}
} // namespace

const std::vector<ControlRow> &settingsControls()
{
    static const std::vector<ControlRow> controls = buildControls();
    return controls;
}

const PictureButtonRow saveButton{.name = "Image1", .twin = "Image3", .place = {104, 533, 97, 27},
                                  .picture = ":/skin/save.jpg", .twinPicture = ":/skin/save_hover.jpg",
                                  .accessibleName = "Uložit / Save",
                                  .description = "Uloží cesty a přepínače / Saves the paths and switches"};

std::vector<AccessibleText> settingsTexts()
{
    std::vector<AccessibleText> texts = {
        {QStringLiteral("CheckBox1"), QStringLiteral("Zvuky / Sounds"),
         QStringLiteral("Zvukové efekty launcheru / The launcher's sound effects")},
        {QStringLiteral("CheckBox2"), QStringLiteral("Průhlednost / Transp."),
         QStringLiteral("Průhledná okna / See-through windows")},
    };
    for (const PathRow &row : pathRows())
        texts.push_back({QLatin1String(row.button), QStringLiteral("Vybrat / Choose: ") + QString::fromUtf8(row.label),
                         QStringLiteral("Vybere program ze složky / Picks the program from a folder")});
    return texts;
}
