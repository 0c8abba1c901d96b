#pragma once

#include "platform/Form.h"

class BrowserControl;
class Launcher;

// The news window, shown once at the end of start-up.
class TForm15 : public Form
{
    Q_OBJECT
public:
    explicit TForm15(Launcher &launcher);

    BrowserControl *browser() const;
};
