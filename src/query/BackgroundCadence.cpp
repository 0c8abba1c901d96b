#include "BackgroundCadence.h"

#include "QueryScheduler.h"

BackgroundCadence::BackgroundCadence(QueryScheduler &scheduler, std::function<QVector<int>()> followed,
                                     QObject *parent)
    : QObject(parent), m_scheduler(scheduler), m_followed(std::move(followed))
{
    m_timer.setInterval(IntervalMs);
    setObjectName(QStringLiteral("BackgroundCadence"));
    connect(&m_timer, &QTimer::timeout, this, &BackgroundCadence::tick);
}

void BackgroundCadence::setOnScreen(bool onScreen)
{
    m_onScreen = onScreen;
    reconsider();
}

void BackgroundCadence::reconsider()
{
    const bool wanted = !m_onScreen && !m_followed().isEmpty();
    if (wanted && !m_timer.isActive())
        m_timer.start();
    else if (!wanted)
        m_timer.stop();
}

void BackgroundCadence::tick()
{
    const QVector<int> followed = m_followed();
    if (followed.isEmpty()) {
        m_timer.stop();
        return;
    }
    if (followed.size() == m_scheduler.serverCount()) {
        m_scheduler.refresh();
        return;
    }
    for (int index : followed)
        m_scheduler.ask(index);
}
