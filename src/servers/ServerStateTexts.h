#pragma once

#include "query/ServerState.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// What the menu says of one server's state, in Czech or English. An
// offline server keeps its last values, greyed, with when it was last seen.
struct ServerStateTexts {
    struct PlayerLine {
        QString name;
        QString score;
        QString ping; // empty when the server does not tell
    };

    QString players;  // "12/32"; "–" while nothing is known
    QString name;     // the server's own name
    QString map;      // "Mapa: de_dust2"
    QString count;    // "Hráči: 12/32"
    QString ping;     // "Ping: 42 ms"
    QString seen;     // "Naposledy viděn 20:15"; empty while the server answers
    QString summary;  // one line for a screen reader
    QVector<PlayerLine> playerLines; // by score, the best first, at most 'playerRows'
    QString more;     // "a 3 další": the players left out; empty when none are
    bool greyed = false;
    bool locked = false;

    // 'now' decides whether "last seen" needs the date; 'caption' names a
    // server that has never answered; 'playerRows' is the room for players,
    // "more" taking the last row when they do not all fit.
    static ServerStateTexts of(const ServerState &state, bool english, const QDateTime &now, const QString &caption,
                               int playerRows = 0);
};
