#pragma once

#include "platform/ControlSpec.h"

#include <vector>

// Controls of the main window that the application shell itself owns.
const std::vector<ControlSpec> &mainWindowShellControls();
