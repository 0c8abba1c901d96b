#pragma once

#include "platform/Form.h"

class Launcher;

class TForm7 : public Form
{
    Q_OBJECT
public:
    explicit TForm7(Launcher &launcher);
};
