#pragma once

#include <QDeadlineTimer>
#include <atomic>

// When a search must stop: its deadline passed or it was cancelled. Every
// reader of the search (folder walks, registry, key-value, YAML and JSON
// files) asks it as it goes, so a search ends soon after either, whatever
// file it is in.
class SearchBound
{
public:
    SearchBound(QDeadlineTimer deadline, const std::atomic<bool> &cancelled);
    // A bound of its own time and no cancellation (a start plan's look-ups).
    explicit SearchBound(std::chrono::milliseconds time);

    bool stopped() const
    {
        return m_cancelled.load(std::memory_order_relaxed) || m_deadline.hasExpired();
    }
    // The same, asked only at every 'every'-th step of a loop with 'step' as its counter.
    bool stoppedAt(quint64 step, quint64 every = 256) const { return step % every == 0 && stopped(); }

    // No file over this size is read.
    static constexpr qint64 maxFileSize = 64 << 20;

private:
    QDeadlineTimer m_deadline;
    std::atomic<bool> m_ownFlag{false};
    const std::atomic<bool> &m_cancelled;
};
