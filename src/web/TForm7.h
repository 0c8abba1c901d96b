#pragma once

#include "LinkControl.h"
#include "platform/windows/Form.h"

#include <vector>

// The About window: product, author and the community's links.
class TForm7 : public Form
{
    Q_OBJECT
public:
    TForm7(ErrorReporter &errors, BrowserFactory &browsers);

    // Opens the About window modally; the footer credit, the Info button and
    // the tray menu's "About" all come here.
    void open();

    // The links and the OK button.
    const std::vector<LinkControl> &links() const { return m_links; }

private:
    std::vector<LinkControl> m_links;
};
