#pragma once

#include "platform/Form.h"

class Launcher;

class TForm12 : public Form
{
    Q_OBJECT
public:
    explicit TForm12(Launcher &launcher);
};
