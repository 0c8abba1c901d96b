#pragma once

#include "platform/Form.h"

class BrowserControl;
class Launcher;

// The speed-test window. Its OK button is the way to close it.
class TForm9 : public Form
{
    Q_OBJECT
public:
    static constexpr double transparentAlpha = 230;

    explicit TForm9(Launcher &launcher, const char *name = "TForm9", const char *caption = "Speedtest of net");

    void setTransparent(bool on);
    BrowserControl *browser() const;
};
