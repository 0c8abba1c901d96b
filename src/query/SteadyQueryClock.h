#pragma once

#include "QueryClock.h"

#include <QElapsedTimer>
#include <QTimer>

// The real clock: a monotonic timer and one single-shot timer on the event loop.
class SteadyQueryClock : public QueryClock
{
public:
    SteadyQueryClock();

    qint64 nowMs() const override;
    QDateTime wallTime() const override;
    void wakeAt(qint64 atMs, std::function<void()> wake) override;

private:
    QElapsedTimer m_elapsed;
    QTimer m_alarm;
    std::function<void()> m_wake;
};
