#include "ChromeControls.h"

const std::vector<ControlRow> &chromeFrame()
{
    // Inert; the parts outside the client area are clipped.
    static const std::vector<ControlRow> rows = {
        {"Image150", ControlKind::Picture, -8, -2, 466, 20, ":/skin/frame_h.jpg"},
        {"Image9", ControlKind::Picture, 400, -2, 466, 20, ":/skin/frame_h.jpg"},
        {"Image8", ControlKind::Picture, -210, 595, 466, 20, ":/skin/frame_h.jpg"},
        {"Image7", ControlKind::Picture, 235, 595, 466, 20, ":/skin/frame_h.jpg"},
        {"Image11", ControlKind::Picture, -3, -250, 20, 466, ":/skin/frame_v.jpg"},
        {"Image31", ControlKind::Picture, -3, 150, 20, 466, ":/skin/frame_v.jpg"},
        {"Image5", ControlKind::Picture, 673, -16, 20, 466, ":/skin/frame_v.jpg"},
        {"Image32", ControlKind::Picture, 673, 149, 20, 466, ":/skin/frame_v.jpg"},
        {"Image151", ControlKind::Picture, -5, -8, 24, 26, ":/skin/corner.jpg"},
        {"Image12", ControlKind::Picture, -5, 595, 24, 26, ":/skin/corner.jpg"},
        {"Image53", ControlKind::Picture, 673, 595, 24, 26, ":/skin/corner.jpg"},
        {"Image153", ControlKind::Picture, 72, -3, 70, 30, ":/skin/topbar.jpg"},
        {"Image154", ControlKind::Picture, 421, 0, 70, 30, ":/skin/topbar.jpg"},
        {"Image30", ControlKind::Picture, 502, 0, 143, 30, ":/skin/clockbar.jpg"},
        {"Image29", ControlKind::Picture, 432, 65, 246, 25, ":/skin/iconstrip.jpg"},
    };
    return rows;
}

namespace ChromeButtons {
const PictureButtonRow close{"Image6", "closeact", {673, 0, 22, 16}, ":/skin/close.jpg", ":/skin/close_hover.jpg",
                             "Close/Konec", nullptr, "Ukončí OVCL / Quits OVCL", Qt::ArrowCursor};
const PictureButtonRow minimise{"Image4", "Image130", {654, 0, 20, 16}, ":/skin/minimize.jpg",
                                ":/skin/minimize_hover.jpg", "Minimize", nullptr,
                                "Schová okno do lišty / Minimizes the window"};
const PictureButtonRow settings{"Image13", "Image21", {432, 63, 26, 29}, ":/skin/settings.jpg",
                                ":/skin/settings_hover.jpg", "Setting/Nastavení", nullptr,
                                "Cesty ke hrám a programům / Paths to games and programs"};
} // namespace ChromeButtons
