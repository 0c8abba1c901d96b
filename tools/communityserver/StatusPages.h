#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One of the community's game servers as the status pages show it.
struct GameServer
{
    QString name;
    QString game;
    QString address;
    QString map;
    int maxPlayers;
};

// The server status pages and the small statistics pages.
class StatusPages
{
public:
    // The fourteen servers, top to bottom as the launcher lists them.
    static const QList<GameServer> &servers();

    // Overview of every server; 'players' holds one count per server.
    static QByteArray overview(const QList<int> &players);
    // Details of servers()[index] with 'players' on it.
    static QByteArray serverDetail(int index, int players);

    static QByteArray accessStatistics(qint64 accesses);
    static QByteArray onlineStatistics(int online, const QList<int> &players);
    static QByteArray versionStatistics(const QString &version, qint64 reports);
};
