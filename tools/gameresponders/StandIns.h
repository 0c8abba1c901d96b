#pragma once

#include "FakeServer.h"
#include "query/QueryTarget.h"

#include <QByteArray>
#include <QList>

// How the stand-in servers answer each protocol of QueryProtocols, one row
// per protocol, with the server type qstat knows it by.
namespace StandIns {

// Real servers' ways of going wrong, which a stand-in can be told to copy.
enum class Mode {
    Normal,          // Source: a challenge first, then 0x49; GameSpy: two datagrams in order
    Silent,          // reads requests, never answers
    Garbage,         // random bytes, some behind a valid header
    Truncated,       // the first half of the normal reply
    ChallengeLoop,   // Source: a new challenge for every request, never the info
    SplitOutOfOrder, // Source: GoldSrc-split parts last first; GameSpy: datagrams last first
    SourceSplitOutOfOrder, // Source: Source-split parts in a shuffled order
    GoldSrcOnly,     // Source: the old 0x6D reply at once, no challenge
    BothReplies,     // Source: 0x6D and then 0x49 for the same request, no challenge
};

struct Context {
    const FakeServer &server;
    Mode mode;
    quint16 gamePort;  // the game port an Unreal 2 reply names
    quint32 replyId;   // a new one per reply, for split and GameSpy ids
};

struct Row {
    QueryProtocol protocol;
    const char *qstatType; // quakestat's option for it, without the dash
    int qstatPortOffset = 0; // qstat asks the port it is given + this
    QList<QByteArray> (*answer)(const QByteArray &request, const Context &context);
};

const std::vector<Row> &all();
// The row of 'protocol'; every protocol has one.
const Row &of(QueryProtocol protocol);

} // namespace StandIns
