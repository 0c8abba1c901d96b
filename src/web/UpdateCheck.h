#pragma once

#include "app/Launcher.h"

// The start-up update check and its dialogs.
class UpdateCheck : public Subsystem
{
public:
    explicit UpdateCheck(Launcher &launcher);

private:
    Launcher &m_launcher;
};
