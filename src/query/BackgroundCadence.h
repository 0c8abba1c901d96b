#pragma once

#include <QObject>
#include <QTimer>
#include <QVector>
#include <functional>

class QueryScheduler;

// While the launcher is off screen, the servers someone follows (friends
// anywhere: all of them; watched servers: those) are still asked, once per
// IntervalMs. Nothing is asked when nobody follows any, nor while the
// launcher is on screen, where the menu's own refresh runs.
class BackgroundCadence : public QObject
{
    Q_OBJECT
public:
    static constexpr int IntervalMs = 60 * 1000;

    // 'followed': the indices of the servers to ask now.
    BackgroundCadence(QueryScheduler &scheduler, std::function<QVector<int>()> followed, QObject *parent = nullptr);

    void setOnScreen(bool onScreen);
    // What is followed changed.
    void reconsider();
    bool isRunning() const { return m_timer.isActive(); }
    const QTimer &timer() const { return m_timer; }
    void tick();

private:
    QueryScheduler &m_scheduler;
    std::function<QVector<int>()> m_followed;
    bool m_onScreen = true;
    QTimer m_timer;
};
