#include "TForm16.h"

#include "Launcher.h"
#include "platform/WindowTimer.h"

// Holds one timer that nothing switches on; its handler only switches it off.
TForm16::TForm16(Launcher &launcher)
    : Form({"TForm16", "Form16", {400, 300}, {-1, -1}, Qt::Dialog}, &launcher.errors(), &launcher.browsers())
{
    auto *timer = new WindowTimer(QStringLiteral("Timer1"), 1, false, this);
    connect(timer, &WindowTimer::tick, timer, [timer] { timer->setEnabled(false); });
}
