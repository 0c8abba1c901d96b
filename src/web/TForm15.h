#pragma once

#include "LinkControl.h"
#include "platform/windows/Form.h"

#include <vector>

class BrowserControl;

// The news window, shown once at the end of start-up.
class TForm15 : public Form
{
    Q_OBJECT
public:
    TForm15(ErrorReporter &errors, BrowserFactory &browsers);

    BrowserControl *browser() const { return m_browser; }
    // "OK", "Home" and "Visit Orvanta".
    const std::vector<LinkControl> &links() const { return m_links; }

private:
    BrowserControl *m_browser;
    std::vector<LinkControl> m_links;
};
