#pragma once

#include "platform/ControlSpec.h"

#include <vector>

// The main window's Update picture with its twin, and the hidden button of
// the older version check.
const std::vector<ControlSpec> &updateControls();
