#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The main window's Update picture with its twin, and the hidden button of
// the older version check.
const std::vector<ControlRow> &updateControls();
