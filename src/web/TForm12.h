#pragma once

#include "platform/windows/Form.h"

class WindowTimer;

// The no-update dialog.
class TForm12 : public Form
{
    Q_OBJECT
public:
    TForm12(ErrorReporter &errors, BrowserFactory &browsers);

    // Its own "shownew" timer, which nothing switches on. Its tick opens the
    // new-version dialog, as the main window's timer of the same name does.
    WindowTimer *shownew() const { return m_shownew; }

private:
    WindowTimer *m_shownew;
};
