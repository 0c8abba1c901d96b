#include "ConnectionThreads.h"

ConnectionThreads::~ConnectionThreads()
{
    shutdown();
}

void ConnectionThreads::enqueue(std::function<void()> fn)
{
    joinFinished();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([fn = std::move(fn), finished] {
        fn();
        finished->store(true);
    });
    std::lock_guard<std::mutex> lock(m_mutex);
    m_workers.push_back(Worker{std::move(thread), std::move(finished)});
}

void ConnectionThreads::shutdown()
{
    std::list<Worker> workers;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        workers.swap(m_workers);
    }
    for (Worker &w : workers) {
        if (w.thread.joinable())
            w.thread.join();
    }
}

void ConnectionThreads::joinFinished()
{
    std::list<Worker> done;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_workers.begin(); it != m_workers.end();) {
            auto next = std::next(it);
            if (it->finished->load())
                done.splice(done.end(), m_workers, it);
            it = next;
        }
    }
    for (Worker &w : done)
        w.thread.join();
}
