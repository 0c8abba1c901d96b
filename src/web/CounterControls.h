#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The statistics block of the main window: titles, the two counters, their
// hidden text boxes and the pictures behind them.
const std::vector<ControlRow> &counterControls();
