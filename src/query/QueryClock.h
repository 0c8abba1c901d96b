#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <functional>

// The time the query scheduler goes by, and its one alarm. Tests put in a
// clock they move by hand.
class QueryClock
{
public:
    virtual ~QueryClock() = default;

    // Milliseconds on a steady clock.
    virtual qint64 nowMs() const = 0;
    // The wall time, for "last seen".
    virtual QDateTime wallTime() const = 0;
    // Calls 'wake' once, from the event loop, when nowMs() has reached
    // 'atMs'; a later call replaces an alarm not yet gone off.
    virtual void wakeAt(qint64 atMs, std::function<void()> wake) = 0;
};
