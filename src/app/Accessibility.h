#pragma once

#include "Launcher.h"

// Names and describes the controls that show only a picture, so a screen
// reader can tell them apart. Installed after every other subsystem has
// built its controls; nothing visible changes.
class Accessibility : public Subsystem
{
public:
    explicit Accessibility(Launcher &launcher);
};
