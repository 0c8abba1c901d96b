#pragma once

#include "LinkControl.h"
#include "platform/windows/Form.h"

#include <vector>

class BrowserControl;

// The bug-report window. Its page is loaded once, when the window is created.
class TForm8 : public Form
{
    Q_OBJECT
public:
    TForm8(ErrorReporter &errors, BrowserFactory &browsers);

    BrowserControl *browser() const { return m_browser; }
    // The OK button and the bottom bar around it.
    const std::vector<LinkControl> &links() const { return m_links; }

private:
    BrowserControl *m_browser;
    std::vector<LinkControl> m_links;
};
