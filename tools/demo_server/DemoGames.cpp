#include "DemoGames.h"

#include "servers/ServerCatalogue.h"
#include "servers/ServerQueries.h"

#include <QHash>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// Maps by protocol, taken in turn by the entries that use it.
QString mapFor(QueryProtocol protocol, int turn)
{
    static const QHash<QueryProtocol, QStringList> pool{
        {QueryProtocol::Source, {"de_dust2", "awp_map", "fy_iceworld", "gg_simpsons", "de_inferno"}},
        {QueryProtocol::Quake3, {"mp_harbor", "mp_carentan", "mp_toujane", "mp_burgundy", "mp_dawnville", "mp_matmata"}},
        {QueryProtocol::GameSpy, {"dm_escape", "DM-Deck16]["}},
        {QueryProtocol::Unreal2, {"ONS-Torlan"}},
    };
    const QStringList maps = pool.value(protocol, {QStringLiteral("map")});
    return maps.at(turn % maps.size());
}

} // namespace

QStringList DemoGames::names(int count)
{
    static const char *const pool[] = {"Hr\xe1\xe8", "Sniper", "^1Red^7Dog", "Mike", "P\xf8\xed\x6d\x65k",
                                       "noob", "Kapit\xe1n", "Zed", "Vlk", "Bob", "Ace", "Kuba"};
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::fromLatin1(pool[i % std::size(pool)]) + (i >= int(std::size(pool)) ? QString::number(i) : QString());
    return out;
}

DemoGames::DemoGames(QObject *parent) : QObject(parent)
{
    connect(&m_change, &QTimer::timeout, this, &DemoGames::shuffle);
}

void DemoGames::start(QStringList &failed)
{
    QHash<QueryProtocol, int> turns;
    for (const ServerCatalogue::ServerEntry &entry : ServerCatalogue::entries()) {
        if (entry.number == DownEntry)
            continue;
        const QueryTarget target = ServerQueries::target(entry);
        const QueryProtocol protocol = target.protocol;
        FakeServer server;
        server.name = QStringLiteral("Orvanta | %1").arg(QLatin1String(entry.caption));
        server.map = mapFor(protocol, turns[protocol]++);
        server.maxPlayers = entry.passwordEdit ? 12 : 24;
        server.password = entry.passwordEdit != nullptr;
        server.avp2Keys = entry.group == ServerCatalogue::Group::AlienVsPredator2;
        // Rented Call of Duty servers keep two of their twelve slots private,
        // one of them taken, as the real ones are set up.
        if (protocol == QueryProtocol::Quake3 && entry.passwordEdit) {
            server.privateSlots = 2;
            server.inPrivateSlots = 1;
        }
        server.players = names(1 + int(QRandomGenerator::global()->bounded(server.maxPlayers / 2)));
        auto responder = std::make_unique<GameResponder>(protocol, server);
        responder->setGamePort(quint16(entry.port));
        const quint16 port = target.port;
        if (!responder->start(port)) {
            failed << QStringLiteral("%1 (entry %2)").arg(port).arg(entry.number);
            continue;
        }
        m_responders.emplace_back(entry.number, std::move(responder));
    }
    m_change.start(7000);
}

void DemoGames::setMode(int number, GameResponder::Mode mode)
{
    for (auto &[entry, responder] : m_responders) {
        if (number == 0 || number == entry)
            responder->setMode(mode);
    }
}

GameResponder *DemoGames::responder(int number)
{
    for (auto &[entry, responder] : m_responders) {
        if (entry == number)
            return responder.get();
    }
    return nullptr;
}

void DemoGames::shuffle()
{
    QRandomGenerator *random = QRandomGenerator::global();
    for (auto &[entry, responder] : m_responders) {
        if (m_held.contains(entry))
            continue;
        FakeServer server = responder->server();
        const int now = int(server.players.size());
        const int next = std::clamp(now + int(random->bounded(-2, 3)), server.inPrivateSlots, server.maxPlayers);
        server.players = names(next);
        responder->setServer(server);
    }
}
