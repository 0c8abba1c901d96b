#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The main window's skin frame and its close, minimise and settings buttons
// with their hover twins.
const std::vector<ControlRow> &chromeControls();
