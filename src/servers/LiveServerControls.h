#pragma once

#include "platform/controls/ControlRow.h"

#include <QPoint>
#include <vector>

namespace ServerCatalogue {
struct ServerEntry;
}

// The live state on the menu. Per entry a column right of the tiles, clear
// of every tile: a lamp (up, down, not known yet) and the players over the
// maximum. One card, hidden, that shows a server's details while the pointer
// rests on its row or on its open address panel.
namespace LiveServerControls {

// The names of one entry's controls, made from its number.
struct Marks {
    const char *lamp;
    const char *players;
    const char *maximum;
};
Marks marks(const ServerCatalogue::ServerEntry &entry);
std::vector<ControlRow> markRows(const ServerCatalogue::ServerEntry &entry);

struct Card {
    const char *panel;
    const char *name;
    const char *lock;
    const char *map;
    const char *count;
    const char *ping;
    const char *seen;
};
const Card &card();
const std::vector<ControlRow> &cardRows();

// The card's player rows, from 1: the name, the score and the ping; the
// last row's name may say how many more there are.
struct PlayerLine {
    const char *name;
    const char *score;
    const char *ping;
};
inline constexpr int cardPlayerRows = 8;
PlayerLine playerLine(int row);

// The card's size with and without its "last seen" line, before the players.
inline constexpr int cardWidth = 200;
inline constexpr int cardHeight = 64;
inline constexpr int cardHeightOnline = 50;
inline constexpr int playerRowHeight = 12;
// The top of the first player row when the card has 'seen' line or not.
inline constexpr int playersTop(bool seen) { return (seen ? cardHeight : cardHeightOnline) - 2; }
// The column's left edge: right of the rightmost tile.
inline constexpr int columnLeft = 278;
// The card stands right of the column, over the status frame.
inline constexpr int cardLeft = 300;

} // namespace LiveServerControls
