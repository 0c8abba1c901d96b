#pragma once

#include "platform/AccessibleText.h"

#include <vector>

// What a screen reader says of the picture buttons, server tiles, address
// toggles, flags and caption-less switches, in the bilingual style of the
// captions. A picture and its hover twin say the same.
namespace AccessibleTexts {

std::vector<AccessibleText> mainWindow();
std::vector<AccessibleText> settingsWindow();

} // namespace AccessibleTexts
