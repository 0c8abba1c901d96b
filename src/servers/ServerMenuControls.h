#pragma once

#include "platform/controls/ControlRow.h"
#include "platform/controls/PictureButton.h"

#include <vector>

namespace ServerCatalogue {
struct ServerEntry;
}

// The server list of the main window, built in this order: the game headers
// with their bars and icons; then per entry its name label, its tile with
// the hover twin, its joining panel and its password edit.
const std::vector<ControlRow> &gameHeaders();
ControlRow nameLabel(const ServerCatalogue::ServerEntry &entry);
const PictureButtonRow &tile(const ServerCatalogue::ServerEntry &entry);
std::vector<ControlRow> joiningControls(const ServerCatalogue::ServerEntry &entry);
