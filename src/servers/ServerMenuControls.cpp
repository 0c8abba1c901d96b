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
            made.push_back({g.bar, ControlKind::Picture, g.barPlace.x(), g.barPlace.y(), barSize.width(),
                            barSize.height(), ":/skin/header_bar.jpg", nullptr, Qt::ArrowCursor, true, 0});
            made.push_back({g.headerLabel, ControlKind::Label, g.headerPlace.x(), g.headerPlace.y(),
                            roughWidth(g.headerCaption, 9), 18, g.headerCaption, nullptr, Qt::ArrowCursor, true,
                            headerLayer, headerStyle});
        }
        const ControlRow icons[] = {
            {"Image33", ControlKind::Picture, 22, 90, 13, 13, ":/skin/icon_cs.png", nullptr, Qt::ArrowCursor, true, 1},
            {"Image34", ControlKind::Picture, 16, 234, 22, 15, ":/skin/icon_cod.png", nullptr, Qt::ArrowCursor, true,
             1},
            {"Image47", ControlKind::Picture, 16, 307, 22, 15, ":/skin/icon_cod2.png", nullptr, Qt::ArrowCursor, true,
             1},
            {"Image37", ControlKind::Picture, 16, 378, 22, 15, ":/skin/icon_cod213.png", nullptr, Qt::ArrowCursor,
             true, 1},
        };
        made.insert(made.end(), std::begin(icons), std::end(icons));
        return made;
    }();
    return rows;
}

ControlRow nameLabel(const ServerEntry &e)
{
    return {e.nameLabel, ControlKind::Label, e.labelPlace.x(), e.labelPlace.y(), roughWidth(e.caption, 7), 13,
            e.caption, nullptr, Qt::ArrowCursor, true, 1, nameStyle};
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
        {e.joiningPanel, ControlKind::Panel, p.x(), p.y(), p.width(), p.height(), "JOINING...", nullptr,
         Qt::ArrowCursor, false, 3, joiningStyle},
    };
    if (e.passwordEdit) {
        const QRect &r = e.passwordEditRect;
        rows.push_back({e.passwordEdit, ControlKind::Edit, r.x(), r.y(), r.width(), r.height(), "pw??", nullptr,
                        Qt::IBeamCursor, true, 1, passwordStyle});
    }
    return rows;
}
