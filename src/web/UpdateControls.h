#pragma once

#include "platform/controls/ControlRow.h"
#include "platform/controls/PictureButton.h"

#include <vector>

// The main window's Update picture with its twin.
const PictureButtonRow &updateButton();
// The hidden button of the older version check.
const std::vector<ControlRow> &olderCheckControls();
