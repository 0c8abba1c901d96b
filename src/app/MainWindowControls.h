#pragma once

#include "platform/controls/ControlRow.h"

#include <vector>

// Controls of the main window that the application shell itself owns.
const std::vector<ControlRow> &mainWindowShellControls();
