#include "ChromeControls.h"

const std::vector<ControlRow> &chromeFrame()
{
    // Inert; the parts outside the client area are clipped.
    static const std::vector<ControlRow> rows = {
        {.name = "Image150", .kind = ControlKind::Picture, .left = -8, .top = -2, .width = 466, .height = 20,
         .content = ":/skin/frame_h.jpg"},
        {.name = "Image9", .kind = ControlKind::Picture, .left = 400, .top = -2, .width = 466, .height = 20,
         .content = ":/skin/frame_h.jpg"},
        {.name = "Image8", .kind = ControlKind::Picture, .left = -210, .top = 595, .width = 466, .height = 20,
         .content = ":/skin/frame_h.jpg"},
        {.name = "Image7", .kind = ControlKind::Picture, .left = 235, .top = 595, .width = 466, .height = 20,
         .content = ":/skin/frame_h.jpg"},
        {.name = "Image11", .kind = ControlKind::Picture, .left = -3, .top = -250, .width = 20, .height = 466,
         .content = ":/skin/frame_v.jpg"},
        {.name = "Image31", .kind = ControlKind::Picture, .left = -3, .top = 150, .width = 20, .height = 466,
         .content = ":/skin/frame_v.jpg"},
        {.name = "Image5", .kind = ControlKind::Picture, .left = 673, .top = -16, .width = 20, .height = 466,
         .content = ":/skin/frame_v.jpg"},
        {.name = "Image32", .kind = ControlKind::Picture, .left = 673, .top = 149, .width = 20, .height = 466,
         .content = ":/skin/frame_v.jpg"},
        {.name = "Image151", .kind = ControlKind::Picture, .left = -5, .top = -8, .width = 24, .height = 26,
         .content = ":/skin/corner.jpg"},
        {.name = "Image12", .kind = ControlKind::Picture, .left = -5, .top = 595, .width = 24, .height = 26,
         .content = ":/skin/corner.jpg"},
        {.name = "Image53", .kind = ControlKind::Picture, .left = 673, .top = 595, .width = 24, .height = 26,
         .content = ":/skin/corner.jpg"},
        {.name = "Image153", .kind = ControlKind::Picture, .left = 72, .top = -3, .width = 70, .height = 30,
         .content = ":/skin/topbar.jpg"},
        {.name = "Image154", .kind = ControlKind::Picture, .left = 421, .top = 0, .width = 70, .height = 30,
         .content = ":/skin/topbar.jpg"},
        {.name = "Image30", .kind = ControlKind::Picture, .left = 502, .top = 0, .width = 143, .height = 30,
         .content = ":/skin/clockbar.jpg"},
        {.name = "Image29", .kind = ControlKind::Picture, .left = 432, .top = 65, .width = 246, .height = 25,
         .content = ":/skin/iconstrip.jpg"},
    };
    return rows;
}

namespace ChromeButtons {
const PictureButtonRow close{.name = "Image6", .twin = "closeact", .place = {673, 0, 22, 16},
                             .picture = ":/skin/close.jpg", .twinPicture = ":/skin/close_hover.jpg",
                             .hint = "Close/Konec", .description = "Ukončí OVCL / Quits OVCL",
                             .cursor = Qt::ArrowCursor};
const PictureButtonRow minimise{.name = "Image4", .twin = "Image130", .place = {654, 0, 20, 16},
                                .picture = ":/skin/minimize.jpg", .twinPicture = ":/skin/minimize_hover.jpg",
                                .hint = "Minimize", .description = "Schová okno do lišty / Minimizes the window"};
const PictureButtonRow settings{.name = "Image13", .twin = "Image21", .place = {432, 63, 26, 29},
                                .picture = ":/skin/settings.jpg", .twinPicture = ":/skin/settings_hover.jpg",
                                .hint = "Setting/Nastavení",
                                .description = "Cesty ke hrám a programům / Paths to games and programs"};
} // namespace ChromeButtons
