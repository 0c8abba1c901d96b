#pragma once

#include "ServerState.h"

#include <QByteArray>
#include <QHash>

// GameSpy's \status\ query as Alien vs Predator 2 and Unreal Tournament
// answer it: \key\value pairs over one or more datagrams, each carrying
// \queryid\<id>.<n>, the last one also \final\. Texts are Latin-1.
// Unreal Tournament says \password\ and \frags_N\, Alien vs Predator 2
// \lock\ and \score_N\; players are \player_N\ with \ping_N\.
namespace GameSpyReply {

QByteArray request();

using Pairs = QHash<QByteArray, QByteArray>;

struct Part {
    bool valid = false;
    QByteArray queryId; // the <id> of \queryid\<id>.<n>; empty when absent
    int number = 1;     // <n>, from 1
    bool final = false;
    Pairs pairs;
};

Part part(const QByteArray &datagram);

// The server's state from all pairs of one reply.
ServerState state(const Pairs &pairs);

} // namespace GameSpyReply
