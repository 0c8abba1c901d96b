#pragma once

// The system's default beep.
class BeepService
{
public:
    virtual ~BeepService() = default;
    virtual void beep() = 0;
};
