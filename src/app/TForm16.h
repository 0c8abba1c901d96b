#pragma once

#include "platform/Form.h"

class Launcher;

// A window that exists for the whole run and is never shown.
class TForm16 : public Form
{
    Q_OBJECT
public:
    explicit TForm16(Launcher &launcher);
};
