#pragma once

#include "FoundPrograms.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// The search for the player's programs, run once per launcher run off the
// user-interface thread, from the first moment something needs it.
class GameSearch : public QObject
{
    Q_OBJECT
public:
    // 'home': the folder searched (the player's home; a test's fake one).
    explicit GameSearch(QString home, std::chrono::milliseconds bound = std::chrono::seconds(2));
    // Cancels a search still running and waits for it to stop (within 100 ms:
    // every reader of the search asks for cancellation as it goes).
    ~GameSearch() override;

    // Starts the search unless it runs or is done.
    void start();
    // Stops a search still running, at once; what it found so far is dropped
    // and the next start() searches anew. Nothing happens once it is done.
    void cancel();
    bool isDone() const { return m_done; }
    // Starts the search if need be and waits for it, handling events, at
    // most as long as the search itself may take.
    void waitUntilDone();
    // What was found; empty until done.
    const FoundPrograms &found() const { return m_found; }

signals:
    void done();

private:
    void finish(FoundPrograms found, int run);

    QString m_home;
    std::chrono::milliseconds m_bound;
    std::atomic<bool> m_cancelled{false};
    std::thread m_worker;
    bool m_running = false;
    int m_run = 0; // counts the searches started and cancelled
    bool m_done = false;
    FoundPrograms m_found;
};
