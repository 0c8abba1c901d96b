#pragma once

#include "platform/controls/AccessibleText.h"
#include "platform/controls/ControlRow.h"
#include "platform/controls/PictureButton.h"

#include <vector>

// The settings window's controls: the heading, the nine path rows laid out
// from their table, the two switches with their labels and the labels
// around the save button; then the save button with its hover twin.
const std::vector<ControlRow> &settingsControls();
extern const PictureButtonRow saveButton;
// What a screen reader says of the switches and the "..." buttons.
std::vector<AccessibleText> settingsTexts();
