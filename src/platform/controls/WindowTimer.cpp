#include "WindowTimer.h"

WindowTimer::WindowTimer(const QString &name, int intervalMs, bool enabled, QObject *parent)
    : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervalMs);
    setSingleShot(false);
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, &WindowTimer::tick);
    setEnabled(enabled);
}

void WindowTimer::setEnabled(bool on)
{
    if (on && !isActive())
        start();
    else if (!on)
        stop();
}
