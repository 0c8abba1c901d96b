#include "AskFloor.h"

bool AskFloor::take(int index, qint64 nowMs)
{
    qint64 &last = m_lastMs.at(size_t(index));
    if (last >= 0 && nowMs - last < m_intervalMs)
        return false;
    last = nowMs;
    return true;
}
