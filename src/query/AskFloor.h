#pragma once

#include <QtGlobal>
#include <vector>

// The shortest time between two asks of one server, whoever asks: the menu,
// a wait for a slot or the watch for friends. An ask is one round of tries
// at a server; the repeats of an unanswered try belong to it.
class AskFloor
{
public:
    explicit AskFloor(qint64 intervalMs = 0) : m_intervalMs(intervalMs) {}

    void setInterval(qint64 ms) { m_intervalMs = ms; }
    qint64 interval() const { return m_intervalMs; }
    void reset(int servers) { m_lastMs.assign(size_t(servers), -1); }

    // True, and noted as asked at 'nowMs', when server 'index' may be asked now.
    bool take(int index, qint64 nowMs);

private:
    qint64 m_intervalMs;
    std::vector<qint64> m_lastMs; // -1: never asked
};
