#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The server list of the main window: game headers with their bars and
// icons, and per entry the name label, tile, hover twin, joining panel and
// password edit.
const std::vector<ControlRow> &serverMenuControls();
