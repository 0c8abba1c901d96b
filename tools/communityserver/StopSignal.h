#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Tells stalled answers that the server is going down.
class StopSignal
{
public:
    void raise()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_raised = true;
        }
        m_changed.notify_all();
    }

    void reset()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_raised = false;
    }

    bool isRaised() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_raised;
    }

    // Waits until raise() or until 'timeout' has passed; true when raised.
    template <class Rep, class Period>
    bool waitFor(const std::chrono::duration<Rep, Period> &timeout) const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [this] { return m_raised; });
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    bool m_raised = false;
};
