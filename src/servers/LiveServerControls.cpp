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
        {m.lamp, ControlKind::Picture, columnLeft, top + 7, 7, 7, ":/skin/state_unknown.png", nullptr,
         Qt::ArrowCursor, true, layer},
        {m.players, ControlKind::Label, columnLeft + 7, top, 12, 11, "\xe2\x80\x93", nullptr, Qt::ArrowCursor, true,
         layer, countStyle},
        {m.maximum, ControlKind::Label, columnLeft + 7, top + 10, 12, 11, "", nullptr, Qt::ArrowCursor, true, layer,
         maximumStyle},
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
    const Qt::CursorShape arrow = Qt::ArrowCursor;
    static const std::vector<ControlRow> rows = {
        {c.panel, ControlKind::Panel, cardLeft, 0, cardWidth, cardHeight, nullptr, nullptr, arrow, false, cardLayer,
         cardStyle},
        {c.name, ControlKind::Label, 6, 4, 174, 13, nullptr, nullptr, arrow, true, cardLayer, nameStyle, c.panel},
        {c.lock, ControlKind::Picture, 185, 5, 9, 11, ":/skin/lock.png", nullptr, arrow, false, cardLayer, nullptr,
         c.panel},
        {c.map, ControlKind::Label, 6, 19, 188, 13, nullptr, nullptr, arrow, true, cardLayer, lineStyle, c.panel},
        {c.count, ControlKind::Label, 6, 33, 100, 13, nullptr, nullptr, arrow, true, cardLayer, lineStyle, c.panel},
        {c.ping, ControlKind::Label, 110, 33, 84, 13, nullptr, nullptr, arrow, true, cardLayer, lineStyle, c.panel},
        {c.seen, ControlKind::Label, 6, 47, 188, 13, nullptr, nullptr, arrow, true, cardLayer, seenStyle, c.panel},
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
