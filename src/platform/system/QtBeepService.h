#pragma once

#include "BeepService.h"

class QtBeepService : public BeepService
{
public:
    void beep() override;
};
