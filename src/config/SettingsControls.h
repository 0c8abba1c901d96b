#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The settings window's controls: the heading, the nine path rows laid out
// from their table, the two switches with their labels and the save button.
const std::vector<ControlRow> &settingsControls();
