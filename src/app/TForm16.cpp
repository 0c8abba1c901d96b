#include "TForm16.h"

#include "platform/controls/WindowTimer.h"

// Holds one timer that nothing switches on; its handler only switches it off.
TForm16::TForm16(ErrorReporter &errors, BrowserFactory &browsers)
    : Form({.name = "TForm16", .caption = "Form16", .client = {400, 300}, .position = {-1, -1}, .flags = Qt::Dialog},
           errors, browsers)
{
    auto *timer = new WindowTimer(QStringLiteral("Timer1"), 1, false, this);
    connect(timer, &WindowTimer::tick, timer, [timer] { timer->setEnabled(false); });
}
