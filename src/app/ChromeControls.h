#pragma once

#include "platform/controls/ControlRow.h"
#include "platform/controls/PictureButton.h"

#include <vector>

// The main window's skin frame.
const std::vector<ControlRow> &chromeFrame();

// Its close, minimise and settings buttons, each with its hover twin.
namespace ChromeButtons {
extern const PictureButtonRow close;
extern const PictureButtonRow minimise;
extern const PictureButtonRow settings;
} // namespace ChromeButtons
