#pragma once

#include <httplib.h>

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

// Runs every accepted connection on a thread of its own, so that a stalled
// answer never holds up the other clients. shutdown() waits for all of them;
// the server makes its stalled answers give up before it shuts down.
class ConnectionThreads : public httplib::TaskQueue
{
public:
    ConnectionThreads() = default;
    ~ConnectionThreads() override;

    void enqueue(std::function<void()> fn) override;
    void shutdown() override;

private:
    struct Worker
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    void joinFinished();

    std::mutex m_mutex;
    std::list<Worker> m_workers;
};
