#include "MainWindowControls.h"

namespace {
constexpr const char *topBarText = "color: white; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
}

const std::vector<ControlRow> &mainWindowShellControls()
{
    static const std::vector<ControlRow> rows = {
        // The hover-sound latch: never shown, only its caption is used.
        {.name = "Label7", .kind = ControlKind::Label, .left = 0, .top = 0, .width = 6, .height = 13, .content = "0",
         .visible = false},
        {.name = "Label19", .kind = ControlKind::Label, .left = 515, .top = 2, .width = 40, .height = 15,
         .content = "Čas: ", .layer = 2, .style = topBarText},
        {.name = "Label41", .kind = ControlKind::Label, .left = 556, .top = 2, .width = 90, .height = 15,
         .content = "", .layer = 2, .style = topBarText},
    };
    return rows;
}
