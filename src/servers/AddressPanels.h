#pragma once

#include "app/Launcher.h"

// The address panels of the server rows and the status page label.
class AddressPanels : public Subsystem
{
public:
    explicit AddressPanels(Launcher &launcher);

private:
    Launcher &m_launcher;
};
