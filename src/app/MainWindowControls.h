#pragma once

#include "platform/ControlRow.h"

#include <vector>

// Controls of the main window that the application shell itself owns.
const std::vector<ControlRow> &mainWindowShellControls();
