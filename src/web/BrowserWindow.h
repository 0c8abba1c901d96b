#pragma once

#include "BrowserWindowRow.h"
#include "LinkControl.h"
#include "platform/windows/Form.h"

#include <vector>

class BrowserControl;

// A window around one browser control, built from its row
// (BrowserWindows): the news, chat, bug-report and speed-test windows.
class BrowserWindow : public Form
{
    Q_OBJECT
public:
    BrowserWindow(const BrowserWindowRow &row, ErrorReporter &errors, BrowserFactory &browsers);

    BrowserControl *browser() const { return m_browser; }
    // Its buttons and bars, as the row lists them.
    const std::vector<LinkControl> &links() const { return m_links; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    BrowserControl *m_browser;
    std::vector<LinkControl> m_links;
    bool m_browserFillsWindow;
};
