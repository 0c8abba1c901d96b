#pragma once

#include "platform/Form.h"

class Launcher;

class TForm13 : public Form
{
    Q_OBJECT
public:
    explicit TForm13(Launcher &launcher);
};
