#include "QueryScheduler.h"

#include "QueryClock.h"
#include "QuerySession.h"
#include "platform/network/DatagramService.h"

#include <QSet>

#include <algorithm>

struct QueryScheduler::Slot {
    enum Phase { Idle, Looking, Queued, Waiting };
    QueryTarget target;
    ServerState state;
    Phase phase = Idle;
    std::unique_ptr<QuerySession> session;
    int tries = 0;
    bool asked = false;             // a request of this refresh has left
    qint64 sentMs = -1;             // the last request sent; -1: none yet
    QVector<qint64> lastOfTry;      // the last request of each try
    bool known = false;             // this refresh has the details; the players are being asked
    qint64 settledMs = -1;          // when the state was last settled; -1: never
};

QueryScheduler::QueryScheduler(DatagramService &datagrams, QueryClock &clock, QObject *parent)
    : QObject(parent), m_datagrams(datagrams), m_clock(clock)
{
    connect(&m_datagrams, &DatagramService::hostFound, this, &QueryScheduler::hostFound);
    connect(&m_datagrams, &DatagramService::received, this, &QueryScheduler::received);
}

QueryScheduler::~QueryScheduler() = default;

void QueryScheduler::setServers(const QVector<QueryTarget> &servers)
{
    m_slots.clear();
    m_queue.clear();
    m_busy = false;
    m_floor.reset(servers.size());
    for (const QueryTarget &target : servers) {
        auto slot = std::make_unique<Slot>();
        slot->target = target;
        m_slots.push_back(std::move(slot));
    }
}

const ServerState &QueryScheduler::state(int index) const
{
    return m_slots.at(size_t(index))->state;
}

qint64 QueryScheduler::settledAtMs(int index) const
{
    return m_slots.at(size_t(index))->settledMs;
}

// A server asked within the floor is left out.
bool QueryScheduler::refresh()
{
    QSet<QString> hosts;
    const qint64 now = m_clock.nowMs();
    for (size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i]->phase != Slot::Idle || !m_floor.take(int(i), now))
            continue;
        begin(int(i));
        hosts.insert(m_slots[i]->target.host);
    }
    for (const QString &host : hosts)
        m_datagrams.lookUp(host);
    return !hosts.isEmpty();
}

bool QueryScheduler::ask(int index)
{
    if (index < 0 || index >= serverCount() || m_slots[size_t(index)]->phase != Slot::Idle
        || !m_floor.take(index, m_clock.nowMs()))
        return false;
    begin(index);
    m_datagrams.lookUp(m_slots[size_t(index)]->target.host);
    return true;
}

void QueryScheduler::begin(int index)
{
    Slot &slot = *m_slots[size_t(index)];
    slot.phase = Slot::Looking;
    slot.tries = 0;
    slot.asked = false;
    slot.lastOfTry.clear();
    slot.known = false;
    slot.session = std::make_unique<QuerySession>(slot.target.protocol, m_playerListWanted);
    m_busy = true;
}

void QueryScheduler::cancel()
{
    m_queue.clear();
    for (auto &slot : m_slots) {
        slot->phase = Slot::Idle;
        slot->session.reset();
    }
    m_busy = false;
}

void QueryScheduler::hostFound(const QString &host, bool found)
{
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot &slot = *m_slots[i];
        if (slot.phase != Slot::Looking || slot.target.host != host)
            continue;
        if (found)
            startTry(int(i));
        else
            settleOffline(int(i));
    }
    pump();
    finishIfDone();
}

// The server keeps its last values, now marked as not answering.
void QueryScheduler::settleOffline(int index)
{
    ServerState offline = m_slots[size_t(index)]->state;
    offline.status = ServerState::Status::Offline;
    settle(index, offline);
}

void QueryScheduler::startTry(int index)
{
    Slot &slot = *m_slots[size_t(index)];
    ++slot.tries;
    slot.lastOfTry.append(-1);
    enqueue(index, slot.session->startTry(slot.tries, ++m_nonce));
}

void QueryScheduler::enqueue(int index, const QByteArray &request)
{
    m_slots[size_t(index)]->phase = Slot::Queued;
    m_queue.emplace_back(index, request);
}

void QueryScheduler::received(const QString &host, quint16 port, const QByteArray &data)
{
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot &slot = *m_slots[i];
        if (slot.target.port != port || slot.target.host != host || !slot.session || !slot.asked
            || (slot.phase != Slot::Waiting && slot.phase != Slot::Queued))
            continue;
        const QuerySession::Step step = slot.session->feed(data);
        if (step.kind == QuerySession::Step::Send) {
            if (step.known) {
                // The lamp need not wait for the players: the details show
                // now, with the last list, and stand should the players not come.
                ServerState state = answered(slot, step);
                state.playerList = slot.state.playerList;
                state.hasPlayerList = slot.state.hasPlayerList;
                slot.known = true;
                update(int(i), std::move(state));
            }
            enqueue(int(i), step.request);
            pump();
        } else if (step.kind == QuerySession::Step::Done) {
            ServerState state = answered(slot, step);
            if (slot.known)
                state.pingMs = slot.state.pingMs; // measured on the details
            settle(int(i), state);
            finishIfDone();
        }
        return;
    }
}

ServerState QueryScheduler::answered(const Slot &slot, const QuerySession::Step &step) const
{
    ServerState state = step.state;
    const int tied = step.tiedTry ? step.tiedTry : (slot.tries == 1 ? 1 : 0);
    const qint64 sent = tied ? slot.lastOfTry.value(tied - 1, -1) : -1;
    state.pingMs = sent >= 0 ? int(std::clamp<qint64>(m_clock.nowMs() - sent, 0, 9999)) : slot.state.pingMs;
    state.lastSeen = m_clock.wallTime();
    return state;
}

void QueryScheduler::settle(int index, ServerState state)
{
    Slot &slot = *m_slots[size_t(index)];
    slot.phase = Slot::Idle;
    slot.session.reset();
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(), [index](const auto &q) { return q.first == index; }),
                  m_queue.end());
    update(index, std::move(state));
}

void QueryScheduler::update(int index, ServerState state)
{
    Slot &slot = *m_slots[size_t(index)];
    slot.settledMs = m_clock.nowMs();
    if (state == slot.state)
        return;
    slot.state = std::move(state);
    emit stateChanged(index);
}

// Sends every queued request whose server's spacing allows it, in the
// order queued, and wakes for the next one due or the next try's end.
void QueryScheduler::pump()
{
    const qint64 now = m_clock.nowMs();
    qint64 next = -1;
    const auto sooner = [&next](qint64 at) {
        if (next < 0 || at < next)
            next = at;
    };
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        Slot &slot = *m_slots[size_t(it->first)];
        if (slot.sentMs >= 0 && now - slot.sentMs < SpacingMs) {
            sooner(slot.sentMs + SpacingMs);
            ++it;
            continue;
        }
        const QByteArray request = it->second;
        it = m_queue.erase(it);
        slot.phase = Slot::Waiting;
        slot.sentMs = now;
        slot.asked = true;
        slot.lastOfTry.last() = now;
        m_datagrams.send(slot.target.host, slot.target.port, request);
    }
    for (const auto &slot : m_slots) {
        if (slot->phase == Slot::Waiting)
            sooner(slot->sentMs + TryTimeoutMs);
    }
    if (next >= 0)
        m_clock.wakeAt(next, [this] { wake(); });
}

void QueryScheduler::wake()
{
    const qint64 now = m_clock.nowMs();
    for (size_t i = 0; i < m_slots.size(); ++i) {
        Slot &slot = *m_slots[i];
        if (slot.phase != Slot::Waiting || now - slot.sentMs < TryTimeoutMs)
            continue;
        if (slot.known)
            settle(int(i), slot.state); // the players never came: the details stand
        else if (slot.tries < m_tries)
            startTry(int(i));
        else
            settleOffline(int(i));
    }
    pump();
    finishIfDone();
}

void QueryScheduler::finishIfDone()
{
    if (!m_busy)
        return;
    for (const auto &slot : m_slots) {
        if (slot->phase != Slot::Idle)
            return;
    }
    m_busy = false;
    emit refreshFinished();
}
