#pragma once

#include "FakeServer.h"

#include <QByteArray>
#include <QList>

// The replies stand-in game servers send, built byte by byte.
namespace GameReplies {

QByteArray sourceChallenge(const QByteArray &challenge);
QByteArray sourceInfo(const FakeServer &server);    // 0x49
QByteArray goldSrcInfo(const FakeServer &server);   // 0x6D
QByteArray sourcePlayers(const FakeServer &server); // 0x44
// 'reply' cut into 'parts' split datagrams with the Source or GoldSrc header.
QList<QByteArray> split(const QByteArray &reply, int parts, bool goldSrc, quint32 id);

QByteArray quake3Info(const FakeServer &server, const QByteArray &challenge);
// With \challenge\ when the request carried one, as Quake 3 servers echo it.
QByteArray quake3Status(const FakeServer &server, const QByteArray &challenge = QByteArray());

// The \status\ reply in 'parts' datagrams, numbered from 1, the last \final\.
QList<QByteArray> gameSpyStatus(const FakeServer &server, int parts, int queryId);

QByteArray unreal2Details(const FakeServer &server, quint16 gamePort);
QByteArray unreal2Rules(const FakeServer &server);
QByteArray unreal2Players(const FakeServer &server);

} // namespace GameReplies
