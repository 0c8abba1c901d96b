#include "LiveServerControls.h"

#include "ServerCatalogue.h"

namespace LiveServerControls {

namespace {
constexpr int layer = 3;     // below the address panels, which cover the column when open
constexpr int cardLayer = 6; // above everything of the menu
constexpr const char *countStyle = "QLabel { color: white; font: bold 9px \"Tahoma\", \"DejaVu Sans\"; }"
                                   "QLabel:disabled { color: #707070; }";
constexpr const char *maximumStyle = "color: #a0a0a0; font: 9px \"Tahoma\", \"DejaVu Sans\";";
constexpr const char *cardStyle = "#LiveCard { background-color: black; border: 1px solid #c86414; }";
// Greyed lines are disabled labels.
constexpr const char *nameStyle =
    "QLabel { color: white; border: none; background: transparent; font: bold 8pt \"MS Sans Serif\", \"DejaVu Sans\"; }"
    "QLabel:disabled { color: #707070; }";
constexpr const char *lineStyle =
    "QLabel { color: #d8d8d8; border: none; background: transparent; font: 8pt \"MS Sans Serif\", \"DejaVu Sans\"; }"
    "QLabel:disabled { color: #707070; }";
constexpr const char *playerStyle =
    "QLabel { color: #d8d8d8; border: none; background: transparent; font: 8pt \"MS Sans Serif\", \"DejaVu Sans\"; }"
    "QLabel:disabled { color: #707070; }";
constexpr const char *seenStyle =
    "color: #e08030; border: none; background: transparent; font: 8pt \"MS Sans Serif\", \"DejaVu Sans\";";

const char *named(const char *prefix, int number)
{
    return keptText(QByteArray(prefix) + QByteArray::number(number));
}
} // namespace

Marks marks(const ServerCatalogue::ServerEntry &e)
{
    return {named("LiveLamp", e.number), named("LivePlayers", e.number), named("LiveMaximum", e.number)};
}

std::vector<ControlRow> markRows(const ServerCatalogue::ServerEntry &e)
{
    const Marks m = marks(e);
    const int top = e.tilePlace.y();
    return {
        {.name = m.lamp, .kind = ControlKind::Picture, .left = columnLeft, .top = top + 7, .width = 7, .height = 7,
         .content = ":/skin/state_unknown.png", .layer = layer},
        {.name = m.players, .kind = ControlKind::Label, .left = columnLeft + 7, .top = top, .width = 12, .height = 11,
         .content = "\xe2\x80\x93", .layer = layer, .style = countStyle},
        {.name = m.maximum, .kind = ControlKind::Label, .left = columnLeft + 7, .top = top + 10, .width = 12,
         .height = 11, .content = "", .layer = layer, .style = maximumStyle},
    };
}

const Card &card()
{
    static const Card names{"LiveCard",      "LiveCardName", "LiveCardLock", "LiveCardMap",
                            "LiveCardCount", "LiveCardPing", "LiveCardSeen"};
    return names;
}

const std::vector<ControlRow> &cardRows()
{
    const Card &c = card();
    // A line of the card, in the card's panel.
    const auto line = [&c](const char *name, int left, int top, int width, const char *style) {
        return ControlRow{.name = name, .kind = ControlKind::Label, .left = left, .top = top, .width = width,
                          .height = 13, .layer = cardLayer, .style = style, .parent = c.panel};
    };
    static const std::vector<ControlRow> rows = {
        {.name = c.panel, .kind = ControlKind::Panel, .left = cardLeft, .top = 0, .width = cardWidth,
         .height = cardHeight, .visible = false, .layer = cardLayer, .style = cardStyle},
        line(c.name, 6, 4, 174, nameStyle),
        {.name = c.lock, .kind = ControlKind::Picture, .left = 185, .top = 5, .width = 9, .height = 11,
         .content = ":/skin/lock.png", .visible = false, .layer = cardLayer, .parent = c.panel},
        line(c.map, 6, 19, 188, lineStyle),
        line(c.count, 6, 33, 100, lineStyle),
        line(c.ping, 110, 33, 84, lineStyle),
        line(c.seen, 6, 47, 188, seenStyle),
    };
    static const std::vector<ControlRow> withPlayers = [] {
        std::vector<ControlRow> all = rows;
        for (int row = 1; row <= cardPlayerRows; ++row) {
            const PlayerLine line = playerLine(row);
            const int top = playersTop(false) + (row - 1) * playerRowHeight;
            const auto label = [&](const char *name, int left, int width) {
                return ControlRow{.name = name, .kind = ControlKind::Label, .left = left, .top = top, .width = width,
                                  .height = 13, .visible = false, .layer = cardLayer, .style = playerStyle,
                                  .parent = card().panel};
            };
            all.push_back(label(line.name, 12, 100));
            all.push_back(label(line.score, 114, 34));
            all.push_back(label(line.ping, 150, 44));
        }
        return all;
    }();
    return withPlayers;
}

PlayerLine playerLine(int row)
{
    return {named("LiveCardPlayer", row), named("LiveCardScore", row), named("LiveCardPlayerPing", row)};
}

} // namespace LiveServerControls
