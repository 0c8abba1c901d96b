#pragma once

#include <QElapsedTimer>
#include <QThread>

#include <functional>

// Waits up to 'ms' for 'done' without serving any event: what it sees
// happened by itself or on another thread, not in this thread's event loop.
inline bool quietlyUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QThread::msleep(10);
    }
    return true;
}
