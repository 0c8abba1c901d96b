#include "SteadyQueryClock.h"

SteadyQueryClock::SteadyQueryClock()
{
    m_elapsed.start();
    m_alarm.setSingleShot(true);
    m_alarm.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_alarm, &QTimer::timeout, [this] {
        const auto wake = std::move(m_wake);
        m_wake = nullptr;
        if (wake)
            wake();
    });
}

qint64 SteadyQueryClock::nowMs() const
{
    return m_elapsed.elapsed();
}

QDateTime SteadyQueryClock::wallTime() const
{
    return QDateTime::currentDateTime();
}

void SteadyQueryClock::wakeAt(qint64 atMs, std::function<void()> wake)
{
    m_wake = std::move(wake);
    m_alarm.start(int(qBound<qint64>(0, atMs - nowMs(), qint64(24) * 3600 * 1000)));
}
