#pragma once

#include "platform/Form.h"

class BrowserControl;
class Launcher;

// The bug-report window. Its page is loaded once, when the window is created.
class TForm8 : public Form
{
    Q_OBJECT
public:
    explicit TForm8(Launcher &launcher);

    BrowserControl *browser() const;
};
