#pragma once

#include <QTimer>

// A window timer with an Enabled switch: switching on a timer that already
// runs keeps its countdown, unlike QTimer::start(), which restarts it.
class WindowTimer : public QTimer
{
    Q_OBJECT
public:
    WindowTimer(const QString &name, int intervalMs, bool enabled, QObject *parent);

    void setEnabled(bool on);

signals:
    void tick();
};
