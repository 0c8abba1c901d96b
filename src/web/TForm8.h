#pragma once

#include "platform/Form.h"

class Launcher;

class TForm8 : public Form
{
    Q_OBJECT
public:
    explicit TForm8(Launcher &launcher);
};
