#pragma once

#include "platform/controls/ControlRow.h"

#include <vector>

// Per entry: the address toggle, its open-state twin and the hidden address
// panel with its backgrounds, "IP:" caption, address edit and close picture.
const std::vector<ControlRow> &addressPanelControls();
