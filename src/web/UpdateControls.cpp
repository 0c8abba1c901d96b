#include "UpdateControls.h"

const PictureButtonRow &updateButton()
{
    static const PictureButtonRow row = {"Image156", "Image155", {462, 63, 26, 29}, ":/skin/update.jpg",
                                         ":/skin/update_hover.jpg", "Update", nullptr,
                                         "Ukáže novou verzi OVCL / Shows the new version of OVCL"};
    return row;
}

const std::vector<ControlRow> &olderCheckControls()
{
    static const std::vector<ControlRow> rows = {
        {"Button1", ControlKind::Button, 8, 999, 75, 25, "Button1", nullptr, Qt::ArrowCursor, false},
    };
    return rows;
}
