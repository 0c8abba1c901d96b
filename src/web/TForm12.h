#pragma once

#include "platform/Form.h"

class Launcher;
class WindowTimer;

// The no-update dialog.
class TForm12 : public Form
{
    Q_OBJECT
public:
    explicit TForm12(Launcher &launcher);

    // Its own "shownew" timer, which nothing switches on.
    WindowTimer *shownew() const { return m_shownew; }

    void shownewTimer();

private:
    Launcher &m_launcher;
    WindowTimer *m_shownew;
};
