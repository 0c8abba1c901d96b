#pragma once

#include "platform/Form.h"

class Launcher;

class TForm11 : public Form
{
    Q_OBJECT
public:
    explicit TForm11(Launcher &launcher);
};
