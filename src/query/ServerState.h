#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// One player as a server reports it.
struct PlayerRow {
    QString name;
    int score = 0;
    int pingMs = 0;

    bool operator==(const PlayerRow &o) const { return name == o.name && score == o.score && pingMs == o.pingMs; }
    bool operator!=(const PlayerRow &o) const { return !(*this == o); }
};

// What the launcher knows of one game server. An offline server keeps the
// values it last answered with, so they can be shown as last seen.
struct ServerState {
    enum class Status { Unknown, Online, Offline };

    Status status = Status::Unknown;
    QString name;
    QString map;
    int players = 0;
    int maxPlayers = 0;
    bool passwordNeeded = false;
    int pingMs = -1;                 // -1: not measured
    bool hasPlayerList = false;      // the reply listed the players
    QVector<PlayerRow> playerList;
    QDateTime lastSeen;              // invalid: never answered

    bool isOnline() const { return status == Status::Online; }

    bool operator==(const ServerState &o) const
    {
        return status == o.status && name == o.name && map == o.map && players == o.players
            && maxPlayers == o.maxPlayers && passwordNeeded == o.passwordNeeded && pingMs == o.pingMs
            && hasPlayerList == o.hasPlayerList && playerList == o.playerList && lastSeen == o.lastSeen;
    }
    bool operator!=(const ServerState &o) const { return !(*this == o); }
};
