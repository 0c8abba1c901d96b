#include "UpdateControls.h"

const PictureButtonRow &updateButton()
{
    static const PictureButtonRow row = {.name = "Image156", .twin = "Image155", .place = {462, 63, 26, 29},
                                         .picture = ":/skin/update.jpg", .twinPicture = ":/skin/update_hover.jpg",
                                         .hint = "Update",
                                         .description = "Ukáže novou verzi OVCL / Shows the new version of OVCL"};
    return row;
}

const std::vector<ControlRow> &olderCheckControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "Button1", .kind = ControlKind::Button, .left = 8, .top = 999, .width = 75, .height = 25,
         .content = "Button1", .visible = false},
    };
    return rows;
}
