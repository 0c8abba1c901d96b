#pragma once

#include "LinkControl.h"
#include "platform/windows/Form.h"

#include <vector>

class BrowserControl;

// The speed-test window. Its OK button is the way to close it. It blends
// from the start; the transparency setting switches it with the main window.
class TForm9 : public Form
{
    Q_OBJECT
public:
    TForm9(ErrorReporter &errors, BrowserFactory &browsers);

    BrowserControl *browser() const { return m_browser; }
    // The OK button.
    const std::vector<LinkControl> &links() const { return m_links; }

protected:
    // The same window under another name.
    TForm9(const WindowFrame &frame, ErrorReporter &errors, BrowserFactory &browsers);
    static WindowFrame speedTestFrame(const char *name, const char *caption);

private:
    BrowserControl *m_browser;
    std::vector<LinkControl> m_links;
};
