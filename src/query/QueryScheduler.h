#pragma once

#include "AskFloor.h"
#include "QuerySession.h"
#include "QueryTarget.h"
#include "ServerState.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <algorithm>
#include <deque>
#include <memory>

class DatagramService;
class QueryClock;

// Asks a list of game servers how they are over one datagram service: all
// of them per refresh, or one chosen server. Requests to one server leave at
// least SpacingMs apart (game servers drop what comes faster from one
// address); different servers are asked at once. A try that goes unanswered
// for TryTimeoutMs is repeated; a server is offline only after Tries tries
// have gone unanswered (setTries changes that).
//
// The ping is the time from the last request of a try (after any challenge)
// to the reply that completes it, when the reply can be tied to that try:
// it echoes the try's nonce, or no second try has been sent. A reply that
// cannot be tied keeps the server's last sure ping. Nothing is taken from
// a server before this refresh has sent it a request. A server whose details
// are in is shown at once, before its players; should they not come, the
// details stand.
class QueryScheduler : public QObject
{
    Q_OBJECT
public:
    static constexpr int SpacingMs = 50;
    static constexpr int TryTimeoutMs = 1000;
    static constexpr int Tries = 3;

    QueryScheduler(DatagramService &datagrams, QueryClock &clock, QObject *parent = nullptr);
    ~QueryScheduler() override;

    // Replaces the servers; their states start unknown. Ends what runs.
    void setServers(const QVector<QueryTarget> &servers);
    int serverCount() const { return int(m_slots.size()); }
    const ServerState &state(int index) const;
    // When server 'index''s state was last settled, answered or not, on the
    // clock's steady time; -1 while it never was.
    qint64 settledAtMs(int index) const;
    // No server is asked again sooner than this after its last ask, by
    // refresh() or by ask(); 0: no floor.
    void setAskFloor(qint64 ms) { m_floor.setInterval(ms); }

    // Asks every server not being asked already; false, doing nothing, when
    // every one is.
    bool refresh();
    // Asks server 'index' alone; false, doing nothing, while it is being asked
    // or was asked within the floor.
    bool ask(int index);
    // Ends everything at once: nothing more is sent, replies still on their
    // way are ignored and every state stays as it is.
    void cancel();

    // Tries started from now on also ask for the players.
    void setPlayerListWanted(bool wanted) { m_playerListWanted = wanted; }
    // Tries before a server counts as offline, from the next refresh on (at least 1).
    void setTries(int tries) { m_tries = std::max(1, tries); }

signals:
    void stateChanged(int index);
    // No server is being asked any more.
    void refreshFinished();

private:
    struct Slot;
    void hostFound(const QString &host, bool found);
    void received(const QString &host, quint16 port, const QByteArray &data);
    void begin(int index);
    void startTry(int index);
    void settleOffline(int index);
    void enqueue(int index, const QByteArray &request);
    void wake();
    void pump();
    ServerState answered(const Slot &slot, const QuerySession::Step &step) const;
    void settle(int index, ServerState state);
    void update(int index, ServerState state);
    void finishIfDone();

    DatagramService &m_datagrams;
    QueryClock &m_clock;
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::deque<std::pair<int, QByteArray>> m_queue;
    bool m_busy = false;
    bool m_playerListWanted = false;
    int m_tries = Tries;
    quint32 m_nonce = 0;
    AskFloor m_floor;
};
