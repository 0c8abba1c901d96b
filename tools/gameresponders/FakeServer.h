#pragma once

#include <QString>
#include <QStringList>

// What a stand-in game server says about itself. Texts go out as the game
// would send them: Latin-1 for Quake 3 and GameSpy games (colour codes and
// all), UTF-8 for Source, Latin-1 or UTF-16 for Unreal 2.
struct FakeServer {
    QString name;
    QString map;
    QStringList players;
    int maxPlayers = 16;
    int privateSlots = 0; // Quake 3: slots kept for password holders, on top of maxPlayers
    bool password = false;
};
