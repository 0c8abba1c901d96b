#pragma once

#include "platform/Form.h"

class Launcher;

class TForm15 : public Form
{
    Q_OBJECT
public:
    explicit TForm15(Launcher &launcher);
};
