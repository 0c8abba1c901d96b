#include "SearchBound.h"

SearchBound::SearchBound(QDeadlineTimer deadline, const std::atomic<bool> &cancelled)
    : m_deadline(deadline), m_cancelled(cancelled)
{
}

SearchBound::SearchBound(std::chrono::milliseconds time) : m_deadline(time), m_cancelled(m_ownFlag)
{
}
