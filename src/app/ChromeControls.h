#pragma once

#include "platform/ControlSpec.h"

#include <vector>

// The main window's skin frame and its close, minimise and settings buttons
// with their hover twins.
const std::vector<ControlSpec> &chromeControls();
