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
        rows.push_back({.name = e.toggle, .kind = ControlKind::Picture, .left = t.x(), .top = t.y(),
                        .width = toggleSize.width(), .height = toggleSize.height(), .content = ":/skin/toggle.png",
                        .cursor = Qt::PointingHandCursor, .layer = 1});
        rows.push_back({.name = e.openTwin, .kind = ControlKind::Picture, .left = t.x(), .top = t.y(),
                        .width = toggleSize.width(), .height = toggleSize.height(),
                        .content = ":/skin/toggle_open.png", .cursor = Qt::PointingHandCursor, .visible = false,
                        .layer = 2});
        const QRect &p = e.addressPanelRect;
        rows.push_back({.name = e.addressPanel, .kind = ControlKind::Panel, .left = p.x(), .top = p.y(),
                        .width = p.width(), .height = p.height(), .visible = false, .layer = layer});
        rows.push_back({.name = pieceName(e.addressPanel, "Back1"), .kind = ControlKind::Picture, .left = 1, .top = 1,
                        .width = 264, .height = 10, .content = ":/skin/ip_bg.jpg", .layer = layer,
                        .parent = e.addressPanel});
        rows.push_back({.name = pieceName(e.addressPanel, "Back2"), .kind = ControlKind::Picture, .left = 1,
                        .top = e.addressLowerBackTop, .width = 264, .height = 10, .content = ":/skin/ip_bg.jpg",
                        .layer = layer, .parent = e.addressPanel});
        rows.push_back({.name = pieceName(e.addressPanel, "Caption"), .kind = ControlKind::Label, .left = 5, .top = 2,
                        .width = 22, .height = 16, .content = "IP:", .layer = layer, .style = captionStyle,
                        .parent = e.addressPanel});
        const QPoint edit = e.addressEditPlace;
        rows.push_back({.name = e.addressEdit, .kind = ControlKind::Edit, .left = edit.x(), .top = edit.y(),
                        .width = 153, .height = 18, .cursor = Qt::IBeamCursor, .layer = layer, .style = editStyle,
                        .parent = e.addressPanel});
        rows.push_back({.name = e.closePicture, .kind = ControlKind::Picture, .left = 185, .top = 3, .width = 22,
                        .height = 16, .content = ":/skin/ip_close.png", .cursor = Qt::PointingHandCursor,
                        .layer = layer, .parent = e.addressPanel});
    }
    return rows;
}
} // namespace

const std::vector<ControlRow> &addressPanelControls()
{
    static const std::vector<ControlRow> rows = makeRows();
    return rows;
}
