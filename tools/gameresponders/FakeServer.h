#pragma once

#include <QString>
#include <QStringList>

// What a stand-in game server says about itself. Texts go out as the game
// would send them: Latin-1 for Quake 3 and GameSpy games (colour codes and
// all), UTF-8 for Source, Latin-1 or UTF-16 for Unreal 2.
struct FakeServer {
    QString name;
    QString map;
    QStringList players;      // everyone on the server
    int maxPlayers = 16;      // every slot, private ones included
    int privateSlots = 0;     // Quake 3: of maxPlayers, the slots kept for password holders
    bool password = false;
    int inPrivateSlots = 0;   // Quake 3: of the players, those in private slots
    bool avp2Keys = false;    // GameSpy: \lock\ and \score_N\ as Alien vs Predator 2 says them

    // What getinfo and qstat state: the public slots and who sits in them.
    int publicPlayers() const { return int(players.size()) - inPrivateSlots; }
    int publicSlots() const { return maxPlayers - privateSlots; }
};
