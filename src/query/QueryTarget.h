#pragma once

#include <QString>
#include <QtGlobal>

// The query protocols the community's games answer.
enum class QueryProtocol {
    Source,   // A2S_INFO with challenge; old GoldSrc replies too (Counter-Strike 1.6)
    Quake3,   // getinfo / getstatus (Call of Duty, Call of Duty 2)
    GameSpy,  // \status\ (Alien vs Predator 2, Unreal Tournament)
    Unreal2,  // the native query of Unreal Tournament 2004
};

// Where one server is asked: its host, the port its queries go to (for some
// games the game port + 1) and the protocol.
struct QueryTarget {
    QString host;
    quint16 port = 0;
    QueryProtocol protocol = QueryProtocol::Source;
};
