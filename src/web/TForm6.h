#pragma once

#include "platform/windows/Form.h"

class BrowserControl;

// The chat window: one browser over the whole client area, sizeable.
class TForm6 : public Form
{
    Q_OBJECT
public:
    TForm6(ErrorReporter &errors, BrowserFactory &browsers);

    BrowserControl *browser() const { return m_browser; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    BrowserControl *m_browser = nullptr;
};
