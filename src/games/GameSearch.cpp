#include "GameSearch.h"

#include "GameDiscovery.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

GameSearch::GameSearch(QString home, std::chrono::milliseconds bound) : m_home(std::move(home)), m_bound(bound)
{
}

GameSearch::~GameSearch()
{
    m_cancelled = true;
    if (m_worker.joinable())
        m_worker.join();
}

void GameSearch::start()
{
    if (m_running || m_done)
        return;
    if (m_worker.joinable()) // a search cancelled before
        m_worker.join();
    m_running = true;
    m_cancelled = false;
    const int run = ++m_run;
    m_worker = std::thread([this, run] {
        GameDiscovery discovery(m_home, m_bound);
        FoundPrograms found = discovery.run(m_cancelled);
        // Delivered on this object's thread; dropped when it is gone first.
        QMetaObject::invokeMethod(
            this, [this, found = std::move(found), run]() mutable { finish(std::move(found), run); },
            Qt::QueuedConnection);
    });
}

void GameSearch::cancel()
{
    if (!m_running)
        return;
    m_cancelled = true;
    m_worker.join();
    m_running = false;
    ++m_run;
}

void GameSearch::finish(FoundPrograms found, int run)
{
    // What a search cancelled since delivers is not the end of the one running now.
    if (run != m_run || !m_running)
        return;
    if (m_worker.joinable())
        m_worker.join();
    m_running = false;
    m_found = std::move(found);
    m_done = true;
    emit done();
}

void GameSearch::waitUntilDone()
{
    start();
    if (m_done)
        return;
    QEventLoop loop;
    connect(this, &GameSearch::done, &loop, &QEventLoop::quit);
    // The search ends by its own bound: every reader asks it as it goes.
    QTimer::singleShot(m_bound + std::chrono::milliseconds(500), &loop, &QEventLoop::quit);
    loop.exec();
}
