#pragma once

#include "platform/ControlRow.h"

#include <vector>

// The main window's browser controls, their titles and frames, the logo, the
// footer credit and the icon buttons of the web windows.
const std::vector<ControlRow> &webLinkControls();
