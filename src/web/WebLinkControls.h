#pragma once

#include "LinkKinds.h"
#include "platform/controls/ControlRow.h"
#include "platform/controls/PictureButton.h"

#include <vector>

// The main window's controls of the community pages, built in this order.
namespace WebLinkControls {

// The frames around the news and status boxes, the two browsers the player
// sees with their titles, and the three below the client area.
const std::vector<ControlRow> &pages();

// A picture button of the main window and what its click does.
struct ButtonLink {
    PictureButtonRow button;
    LinkAction action;
};

// The logo.
const ButtonLink &logo();
// The footer credit; it opens the About window.
const ControlRow &credit();
// The icon buttons of the web windows, each with its hover twin on top.
const std::vector<ButtonLink> &iconButtons();

} // namespace WebLinkControls
