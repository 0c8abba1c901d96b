#include "RefreshCadence.h"

#include "QueryScheduler.h"

RefreshCadence::RefreshCadence(QueryScheduler &scheduler, QObject *parent) : QObject(parent), m_scheduler(scheduler)
{
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("LiveRefresh"));
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RefreshCadence::tick);
}

void RefreshCadence::start()
{
    m_timer.start();
    m_scheduler.refresh();
}

void RefreshCadence::stop()
{
    m_timer.stop();
    m_scheduler.cancel();
}

void RefreshCadence::restore()
{
    if (!m_timer.isActive())
        start();
}

void RefreshCadence::tick()
{
    m_scheduler.refresh();
}
