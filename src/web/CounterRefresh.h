#pragma once

#include "app/Launcher.h"

// The access and online counters.
class CounterRefresh : public Subsystem
{
public:
    explicit CounterRefresh(Launcher &launcher);

private:
    Launcher &m_launcher;
};
