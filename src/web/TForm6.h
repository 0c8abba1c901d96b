#pragma once

#include "platform/Form.h"

class BrowserControl;
class Launcher;

// The chat window: one browser over the whole client area, sizeable.
class TForm6 : public Form
{
    Q_OBJECT
public:
    explicit TForm6(Launcher &launcher);

    BrowserControl *browser() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
