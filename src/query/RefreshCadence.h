#pragma once

#include <QObject>
#include <QTimer>

class QueryScheduler;

// When the servers are asked: at once and then every IntervalMs while the
// launcher is shown, never while it is minimised, at once again when it is
// restored. A refresh still running when the next is due starts nothing new.
// Its timer is the child "LiveRefresh".
class RefreshCadence : public QObject
{
    Q_OBJECT
public:
    static constexpr int IntervalMs = 30 * 1000;

    explicit RefreshCadence(QueryScheduler &scheduler, QObject *parent = nullptr);

    // The window is shown: a refresh now, then one per interval.
    void start();
    // The window is minimised (or hidden): no more requests, not even those
    // of a refresh under way.
    void stop();
    // The window is back: as start(), unless the cadence already runs.
    void restore();
    bool isRunning() const { return m_timer.isActive(); }

private:
    void tick();

    QueryScheduler &m_scheduler;
    QTimer m_timer;
};
