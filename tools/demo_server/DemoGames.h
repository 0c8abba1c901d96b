#pragma once

#include "GameResponder.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

// Stand-ins for the fourteen catalogue entries' game servers on 127.0.0.1,
// each on the port its game is asked on (the game port, or the game port + 1
// for the Unreal games). Player counts change every few seconds; one entry
// stays down.
class DemoGames : public QObject
{
    Q_OBJECT
public:
    static constexpr int DownEntry = 9;

    explicit DemoGames(QObject *parent = nullptr);

    // Starts the responders; the ports that could not be bound are named in
    // 'failed'.
    void start(QStringList &failed);
    // Makes entry 'number' (0: every entry) misbehave.
    void setMode(int number, GameResponder::Mode mode);
    // Entry 'number''s responder; null when it does not answer.
    GameResponder *responder(int number);
    // Keeps entry 'number''s players out of the changes.
    void hold(int number) { m_held << number; }
    // 'count' players' names.
    static QStringList names(int count);

private:
    void shuffle();

    std::vector<std::pair<int, std::unique_ptr<GameResponder>>> m_responders; // entry number, responder
    QTimer m_change;
    QList<int> m_held;
};
