#pragma once

#include "AskFloor.h"
#include "QueryTarget.h"
#include "ServerState.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <deque>
#include <memory>

class DatagramService;
class QueryClock;
class QuerySession;

// Asks a list of game servers how they are, all of them per refresh, over one
// datagram service. Requests leave at least SpacingMs apart (game servers
// drop floods). A try that goes unanswered for TryTimeoutMs is repeated; a
// server is offline only after Tries tries have gone unanswered. The ping is
// the time from the last request of a try (after any challenge) to the reply
// that completes it. A refresh asked for while one runs starts nothing.
class QueryScheduler : public QObject
{
    Q_OBJECT
public:
    static constexpr int SpacingMs = 50;
    static constexpr int TryTimeoutMs = 1000;
    static constexpr int Tries = 3;

    QueryScheduler(DatagramService &datagrams, QueryClock &clock, QObject *parent = nullptr);
    ~QueryScheduler() override;

    // Replaces the servers; their states start unknown. Ends a running refresh.
    void setServers(const QVector<QueryTarget> &servers);
    int serverCount() const { return int(m_slots.size()); }
    const ServerState &state(int index) const;
    // When server 'index''s state was last settled, answered or not, on the
    // clock's steady time; -1 while it never was.
    qint64 settledAtMs(int index) const;

    // No server is asked again sooner than this after its last ask, by a
    // refresh or by askOne(); 0: no floor.
    void setAskFloor(qint64 ms) { m_floor.setInterval(ms); }
    // Asks server 'index' alone, outside a refresh; false, doing nothing,
    // when it is being asked or was asked within the floor.
    bool askOne(int index);

    // Starts a refresh of every server; false, doing nothing, while one runs.
    bool refresh();
    bool isRefreshing() const { return m_refreshing; }
    // Ends a running refresh at once: nothing more is sent, replies still on
    // their way are ignored and every state stays as it is.
    void cancel();

    // Tries started from now on also ask for the players (getstatus for
    // Quake 3 servers, the player reply of Unreal 2 servers).
    void setPlayerListWanted(bool wanted) { m_playerListWanted = wanted; }

signals:
    void stateChanged(int index);
    void refreshFinished();

private:
    struct Slot;
    void hostFound(const QString &host, bool found);
    void received(const QString &host, quint16 port, const QByteArray &data);
    void startTry(int index);
    void settleOffline(int index);
    void enqueue(int index, const QByteArray &request);
    void wake();
    void pump();
    void settle(int index, ServerState state);
    void finishIfDone();

    DatagramService &m_datagrams;
    QueryClock &m_clock;
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::deque<std::pair<int, QByteArray>> m_queue;
    qint64 m_lastSentMs = 0;
    bool m_sentAny = false;
    bool m_refreshing = false;
    bool m_playerListWanted = false;
    quint32 m_nonce = 0;
    AskFloor m_floor;
};
