#include "MainWindowControls.h"

namespace {
constexpr const char *topBarText = "color: white; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
}

const std::vector<ControlRow> &mainWindowShellControls()
{
    static const std::vector<ControlRow> rows = {
        // The hover-sound latch: never shown, only its caption is used.
        {"Label7", ControlKind::Label, 0, 0, 6, 13, "0", nullptr, Qt::ArrowCursor, false},
        {"Label19", ControlKind::Label, 515, 2, 40, 15, "Čas: ", nullptr, Qt::ArrowCursor, true, 2, topBarText},
        {"Label41", ControlKind::Label, 556, 2, 90, 15, "", nullptr, Qt::ArrowCursor, true, 2, topBarText},
    };
    return rows;
}
