#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// One player as a server reports it.
struct PlayerRow {
    QString name;
    int score = 0;
    int pingMs = 0; // -1: the server does not tell

    bool operator==(const PlayerRow &o) const { return name == o.name && score == o.score && pingMs == o.pingMs; }
    bool operator!=(const PlayerRow &o) const { return !(*this == o); }
};

// What the launcher knows of one game server, as the server states it:
// 'players' is everyone on it, bots included, 'maxPlayers' every slot it
// has, private ones included, and 'privateSlots' how many of those need a
// password of their own. An offline server keeps the values it last
// answered with, so they can be shown as last seen.
struct ServerState {
    enum class Status { Unknown, Online, Offline };

    Status status = Status::Unknown;
    QString name;
    QString map;
    int players = 0;
    int maxPlayers = 0;
    int privateSlots = 0;
    bool passwordNeeded = false;
    int pingMs = -1;                 // -1: not measured
    bool hasPlayerList = false;      // the reply listed the players
    QVector<PlayerRow> playerList;
    QDateTime lastSeen;              // the time of the last reply; invalid: never answered

    bool isOnline() const { return status == Status::Online; }
    // No public slot is free. Servers do not say who sits in a private slot,
    // so the players are taken to fill the public ones first.
    bool isFull() const { return maxPlayers > 0 && players >= maxPlayers - privateSlots; }

    bool operator==(const ServerState &o) const
    {
        return status == o.status && name == o.name && map == o.map && players == o.players
            && maxPlayers == o.maxPlayers && privateSlots == o.privateSlots && passwordNeeded == o.passwordNeeded
            && pingMs == o.pingMs && hasPlayerList == o.hasPlayerList && playerList == o.playerList
            && lastSeen == o.lastSeen;
    }
    bool operator!=(const ServerState &o) const { return !(*this == o); }
};
