#include "AddressPanelControls.h"

#include "ServerCatalogue.h"


namespace {
constexpr int layer = 4; // above tile, hover twin and joining panel
constexpr const char *captionStyle = "color: white; font: bold 13px \"MS Sans Serif\", \"DejaVu Sans\";";
// The address is meant to be copied, so it must stay legible: a 5-pixel
// character height is not, and 10 pixels is the smallest that still reads
// cleanly inside the 18-pixel edit.
constexpr const char *editStyle = "font: 10px \"MS Sans Serif\", \"DejaVu Sans\";";

// Names of the inner pieces that nothing refers to.
const char *pieceName(const char *panel, const char *piece)
{
    return keptText(QByteArray(panel) + piece);
}

std::vector<ControlRow> makeRows()
{
    using namespace ServerCatalogue;
    std::vector<ControlRow> rows;
    for (const ServerEntry &e : entries()) {
        const QPoint t = e.togglePlace;
        rows.push_back({e.toggle, ControlKind::Picture, t.x(), t.y(), toggleSize.width(), toggleSize.height(),
                        ":/skin/toggle.png", nullptr, Qt::PointingHandCursor, true, 1});
        rows.push_back({e.openTwin, ControlKind::Picture, t.x(), t.y(), toggleSize.width(), toggleSize.height(),
                        ":/skin/toggle_open.png", nullptr, Qt::PointingHandCursor, false, 2});
        const QRect &p = e.addressPanelRect;
        rows.push_back({e.addressPanel, ControlKind::Panel, p.x(), p.y(), p.width(), p.height(), nullptr, nullptr,
                        Qt::ArrowCursor, false, layer});
        rows.push_back({pieceName(e.addressPanel, "Back1"), ControlKind::Picture, 1, 1, 264, 10, ":/skin/ip_bg.jpg",
                        nullptr, Qt::ArrowCursor, true, layer, nullptr, e.addressPanel});
        rows.push_back({pieceName(e.addressPanel, "Back2"), ControlKind::Picture, 1, e.addressLowerBackTop, 264, 10,
                        ":/skin/ip_bg.jpg", nullptr, Qt::ArrowCursor, true, layer, nullptr, e.addressPanel});
        rows.push_back({pieceName(e.addressPanel, "Caption"), ControlKind::Label, 5, 2, 22, 16, "IP:", nullptr,
                        Qt::ArrowCursor, true, layer, captionStyle, e.addressPanel});
        const QPoint edit = e.addressEditPlace;
        rows.push_back({e.addressEdit, ControlKind::Edit, edit.x(), edit.y(), 153, 18, nullptr, nullptr,
                        Qt::IBeamCursor, true, layer, editStyle, e.addressPanel});
        rows.push_back({e.closePicture, ControlKind::Picture, 185, 3, 22, 16, ":/skin/ip_close.png", nullptr,
                        Qt::PointingHandCursor, true, layer, nullptr, e.addressPanel});
    }
    return rows;
}
} // namespace

const std::vector<ControlRow> &addressPanelControls()
{
    static const std::vector<ControlRow> rows = makeRows();
    return rows;
}
