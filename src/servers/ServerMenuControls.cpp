#include "ServerMenuControls.h"

#include "ServerCatalogue.h"

#include <cstring>

namespace {
constexpr const char *nameStyle = "color: white; font: bold 11px \"MS Sans Serif\", \"Nimbus Sans\", \"DejaVu Sans\";";
constexpr const char *headerStyle = "color: white; font: bold 15px \"MS Sans Serif\", \"DejaVu Sans\";";
constexpr const char *joiningStyle =
    "background-color: black; color: green; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\";";
// Headers stay readable where the logo reaches down to the first one.
constexpr int headerLayer = 2;
// The system's window colour: light text on the black edit.
constexpr const char *passwordStyle = "background-color: black; color: white; border: none;";

// A first guess at a caption's width; the labels fit themselves to their text once built.
int roughWidth(const char *caption, int charWidth)
{
    return int(std::strlen(caption)) * charWidth + 4;
}

std::vector<ControlRow> makeRows()
{
    using namespace ServerCatalogue;
    std::vector<ControlRow> rows;
    for (const GameGroup &g : groups()) {
        rows.push_back({g.bar, ControlKind::Picture, g.barPlace.x(), g.barPlace.y(), barSize.width(),
                        barSize.height(), ":/skin/header_bar.jpg", nullptr, Qt::ArrowCursor, true, 0});
        rows.push_back({g.headerLabel, ControlKind::Label, g.headerPlace.x(), g.headerPlace.y(),
                        roughWidth(g.headerCaption, 9), 18, g.headerCaption, nullptr, Qt::ArrowCursor, true,
                        headerLayer, headerStyle});
    }
    const ControlRow icons[] = {
        {"Image33", ControlKind::Picture, 22, 90, 13, 13, ":/skin/icon_cs.png", nullptr, Qt::ArrowCursor, true, 1},
        {"Image34", ControlKind::Picture, 16, 234, 22, 15, ":/skin/icon_cod.png", nullptr, Qt::ArrowCursor, true, 1},
        {"Image47", ControlKind::Picture, 16, 307, 22, 15, ":/skin/icon_cod2.png", nullptr, Qt::ArrowCursor, true, 1},
        {"Image37", ControlKind::Picture, 16, 378, 22, 15, ":/skin/icon_cod213.png", nullptr, Qt::ArrowCursor, true,
         1},
    };
    rows.insert(rows.end(), std::begin(icons), std::end(icons));
    for (const ServerEntry &e : entries()) {
        rows.push_back({e.nameLabel, ControlKind::Label, e.labelPlace.x(), e.labelPlace.y(), roughWidth(e.caption, 7),
                        13, e.caption, nullptr, Qt::ArrowCursor, true, 1, nameStyle});
        rows.push_back({e.tile, ControlKind::Picture, e.tilePlace.x(), e.tilePlace.y(), tileSize.width(),
                        tileSize.height(), ":/skin/tile.jpg", nullptr, Qt::PointingHandCursor, true, 1});
        rows.push_back({e.twin, ControlKind::Picture, e.tilePlace.x(), e.tilePlace.y(), tileSize.width(),
                        tileSize.height(), ":/skin/tile_hover.jpg", nullptr, Qt::PointingHandCursor, false, 2});
        const QRect &p = e.joiningPanelRect;
        rows.push_back({e.joiningPanel, ControlKind::Panel, p.x(), p.y(), p.width(), p.height(), "JOINING...", nullptr,
                        Qt::ArrowCursor, false, 3, joiningStyle});
        if (e.passwordEdit) {
            const QRect &r = e.passwordEditRect;
            rows.push_back({e.passwordEdit, ControlKind::Edit, r.x(), r.y(), r.width(), r.height(), "pw??", nullptr,
                            Qt::IBeamCursor, true, 1, passwordStyle});
        }
    }
    return rows;
}
} // namespace

const std::vector<ControlRow> &serverMenuControls()
{
    static const std::vector<ControlRow> rows = makeRows();
    return rows;
}
