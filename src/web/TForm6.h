#pragma once

#include "platform/Form.h"

class Launcher;

class TForm6 : public Form
{
    Q_OBJECT
public:
    explicit TForm6(Launcher &launcher);
};
