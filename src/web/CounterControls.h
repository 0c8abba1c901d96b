#pragma once

#include "platform/controls/ControlRow.h"

#include <QRect>

#include <vector>

// The statistics block of the main window: titles, the two counters, their
// hidden text boxes and the pictures behind them.
const std::vector<ControlRow> &counterControls();

// Where the counters may write: the statistics block (491,105 to 737,174)
// down to just above the status page's frame, which begins at 172.
QRect statisticsRoom();

// The most of a counter's text that the statistics block could ever show: no
// line is lower than 8 pixels and no character that shows narrower than 1.
constexpr int counterLinesShown = 8;
constexpr qsizetype counterCharactersShown = 256;
