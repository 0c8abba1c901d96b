#include "UpdateControls.h"

const std::vector<ControlRow> &updateControls()
{
    static const std::vector<ControlRow> rows = {
        {"Image156", ControlKind::Picture, 462, 63, 26, 29, ":/skin/update.jpg", "Update", Qt::PointingHandCursor, true, 1},
        {"Image155", ControlKind::Picture, 462, 63, 26, 29, ":/skin/update_hover.jpg", "Update", Qt::PointingHandCursor, false, 2},
        {"Button1", ControlKind::Button, 8, 999, 75, 25, "Button1", nullptr, Qt::ArrowCursor, false},
    };
    return rows;
}
