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
} // namespace

using namespace ServerCatalogue;

const std::vector<ControlRow> &gameHeaders()
{
    static const std::vector<ControlRow> rows = [] {
        std::vector<ControlRow> made;
        for (const GameGroup &g : groups()) {
            made.push_back({.name = g.bar, .kind = ControlKind::Picture, .left = g.barPlace.x(),
                            .top = g.barPlace.y(), .width = barSize.width(), .height = barSize.height(),
                            .content = ":/skin/header_bar.jpg"});
            made.push_back({.name = g.headerLabel, .kind = ControlKind::Label, .left = g.headerPlace.x(),
                            .top = g.headerPlace.y(), .width = roughWidth(g.headerCaption, 9), .height = 18,
                            .content = g.headerCaption, .layer = headerLayer, .style = headerStyle});
        }
        const ControlRow icons[] = {
            {.name = "Image33", .kind = ControlKind::Picture, .left = 22, .top = 90, .width = 13, .height = 13,
             .content = ":/skin/icon_cs.png", .layer = 1},
            {.name = "Image34", .kind = ControlKind::Picture, .left = 16, .top = 234, .width = 22, .height = 15,
             .content = ":/skin/icon_cod.png", .layer = 1},
            {.name = "Image47", .kind = ControlKind::Picture, .left = 16, .top = 307, .width = 22, .height = 15,
             .content = ":/skin/icon_cod2.png", .layer = 1},
            {.name = "Image37", .kind = ControlKind::Picture, .left = 16, .top = 378, .width = 22, .height = 15,
             .content = ":/skin/icon_cod213.png", .layer = 1},
        };
        made.insert(made.end(), std::begin(icons), std::end(icons));
        return made;
    }();
    return rows;
}

ControlRow nameLabel(const ServerEntry &e)
{
    return {.name = e.nameLabel, .kind = ControlKind::Label, .left = e.labelPlace.x(), .top = e.labelPlace.y(),
            .width = roughWidth(e.caption, 7), .height = 13, .content = e.caption, .layer = 1, .style = nameStyle};
}

// A screen reader tells the tiles apart by the server's name.
static PictureButtonRow makeTile(const ServerEntry &e)
{
    const QString game = QString::fromUtf8(groupOf(e).headerCaption).trimmed();
    return {e.tile,
            e.twin,
            QRect(e.tilePlace, tileSize),
            ":/skin/tile.jpg",
            ":/skin/tile_hover.jpg",
            nullptr,
            keptText((QStringLiteral("Připojit / Join: ") + QString::fromUtf8(e.caption)).toUtf8()),
            keptText(QStringLiteral("Spustí %1 a připojí se k serveru / Starts %1 and connects to the server")
                         .arg(game)
                         .toUtf8())};
}

const PictureButtonRow &tile(const ServerEntry &e)
{
    static const std::vector<PictureButtonRow> rows = [] {
        std::vector<PictureButtonRow> made;
        for (const ServerEntry &entry : entries())
            made.push_back(makeTile(entry));
        return made;
    }();
    return rows.at(std::size_t(e.number - 1));
}

std::vector<ControlRow> joiningControls(const ServerEntry &e)
{
    const QRect &p = e.joiningPanelRect;
    std::vector<ControlRow> rows = {
        {.name = e.joiningPanel, .kind = ControlKind::Panel, .left = p.x(), .top = p.y(), .width = p.width(),
         .height = p.height(), .content = "JOINING...", .visible = false, .layer = 3, .style = joiningStyle},
    };
    if (e.passwordEdit) {
        const QRect &r = e.passwordEditRect;
        rows.push_back({.name = e.passwordEdit, .kind = ControlKind::Edit, .left = r.x(), .top = r.y(),
                        .width = r.width(), .height = r.height(), .content = "pw??", .cursor = Qt::IBeamCursor,
                        .layer = 1, .style = passwordStyle});
    }
    return rows;
}
