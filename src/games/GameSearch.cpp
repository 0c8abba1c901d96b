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
    if (m_started)
        return;
    m_started = true;
    m_worker = std::thread([this] {
        GameDiscovery discovery(m_home, m_bound);
        FoundPrograms found = discovery.run(m_cancelled);
        // Delivered on this object's thread; dropped when it is gone first.
        QMetaObject::invokeMethod(
            this, [this, found = std::move(found)]() mutable { finish(std::move(found)); }, Qt::QueuedConnection);
    });
}

void GameSearch::finish(FoundPrograms found)
{
    if (m_worker.joinable())
        m_worker.join();
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
    // The search ends by its own bound; the margin covers the last folder.
    QTimer::singleShot(m_bound + std::chrono::milliseconds(500), &loop, &QEventLoop::quit);
    loop.exec();
}
