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
        controls.push_back({row.iconName, ControlKind::Picture, square ? rowLeft + 4 : rowLeft, top, square ? 13 : 22,
                         square ? 13 : 15, row.icon});
    }
    controls.push_back({row.labelName, ControlKind::Label, row.icon ? labelIndent : rowLeft, top, 250, 15, row.label,
                     nullptr, Qt::ArrowCursor, true, 0, labelText});
    controls.push_back({row.display, ControlKind::StaticText, rowLeft, top + 19, displayWidth, displayHeight,
                     LocalFiles::unsetPath});
    controls.push_back({row.button, ControlKind::Button, buttonLeft, top + 17, 41, 21, "..."});
    return controls;
}

std::vector<ControlRow> buildControls()
{
    std::vector<ControlRow> controls = {
        // The heading: the Czech one shows, the English one lies in its place.
        {"Label2", ControlKind::Label, rowLeft, 12, 282, 16, "Nastavte správné cesty k programům a hrám", nullptr,
         Qt::ArrowCursor, true, 0, labelText},
        {"Label4", ControlKind::Label, rowLeft, 12, 282, 16, "Insert right paths to games and programs", nullptr,
         Qt::ArrowCursor, false, 0, labelText},
    };
    for (const PathRow &row : pathRows())
        for (const ControlRow &control : rowControls(row))
            controls.push_back(control);

    const std::vector<ControlRow> rest = {
        // The switches carry no caption; the text beside them is a plain label.
        {"CheckBox1", ControlKind::CheckBox, rowLeft, 497, 17, 17},
        {"SoundsLabel", ControlKind::Label, rowLeft + 20, 498, 110, 15, "Zvuky / Sounds", nullptr, Qt::ArrowCursor, true, 0,
         labelText},
        {"CheckBox2", ControlKind::CheckBox, 146, 497, 17, 17},
        {"TransparencyLabel", ControlKind::Label, 166, 498, 138, 15, "Průhlednost / Transp.", nullptr, Qt::ArrowCursor,
         true, 0, labelText},
        // The save button lies on the two labels that surround it and put its
        // hover picture out; the hover picture lies on the button.
        {"Label5", ControlKind::Label, 90, 521, 63, 51},
        {"Label6", ControlKind::Label, 153, 521, 63, 51},
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

const PictureButtonRow saveButton{"Image1", "Image3", {104, 533, 97, 27}, ":/skin/save.jpg", ":/skin/save_hover.jpg",
                                  nullptr, "Uložit / Save", "Uloží cesty a přepínače / Saves the paths and switches"};

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
