#pragma once

#include "query/QueryClock.h"

// A clock that moves only when the test moves it; an alarm goes off as
// advance() passes its time.
class ManualQueryClock : public QueryClock
{
public:
    qint64 nowMs() const override { return m_now; }
    QDateTime wallTime() const override { return QDateTime(QDate(2024, 5, 1), QTime(20, 0)).addMSecs(m_now); }
    void wakeAt(qint64 atMs, std::function<void()> wake) override
    {
        m_alarmAt = atMs;
        m_wake = std::move(wake);
    }

    void advance(qint64 ms)
    {
        const qint64 end = m_now + ms;
        while (m_wake && m_alarmAt <= end) {
            m_now = std::max(m_now, m_alarmAt);
            auto wake = std::move(m_wake);
            m_wake = nullptr;
            wake();
        }
        m_now = end;
    }

private:
    qint64 m_now = 1000;
    qint64 m_alarmAt = 0;
    std::function<void()> m_wake;
};
