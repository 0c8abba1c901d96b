#pragma once

#include "platform/ControlRow.h"
#include "platform/PictureButton.h"

#include <vector>

// The main window's skin frame.
const std::vector<ControlRow> &chromeFrame();

// Its close, minimise and settings buttons, each with its hover twin.
namespace ChromeButtons {
extern const PictureButtonRow close;
extern const PictureButtonRow minimise;
extern const PictureButtonRow settings;
} // namespace ChromeButtons
