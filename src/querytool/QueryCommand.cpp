#include "QueryCommand.h"

#include "query/QueryProtocols.h"
#include "query/QueryScheduler.h"
#include "servers/ServerCatalogue.h"
#include "servers/ServerQueries.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <cstdio>

namespace {
QString json(const QString &text)
{
    // A JSON string, escaped as the toolkit writes one.
    const QByteArray array = QJsonDocument(QJsonArray{QJsonValue(text)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString ping(int ms)
{
    return ms >= 0 ? QString::number(ms) : QStringLiteral("null");
}
} // namespace

QString QueryCommand::usage()
{
    QString protocols;
    for (const QueryProtocols::Row &row : QueryProtocols::all())
        protocols += QStringLiteral("  %1  %2\n").arg(QLatin1String(row.name), -8).arg(QLatin1String(row.description));
    return QStringLiteral("usage: ovcl_query [--players] [--tries N] PROTOCOL HOST:PORT...\n"
                          "       ovcl_query [--players] [--tries N] --entry N...\n"
                          "Asks game servers how they are and prints one JSON line per server.\n"
                          "HOST:PORT is the server's query address. PROTOCOL is one of:\n")
        + protocols
        + QStringLiteral("--entry N asks catalogue entry N (1-%1) as the launcher does.\n"
                         "Exit status: 0 every server answered, 1 one did not, 2 usage error.\n")
              .arg(ServerCatalogue::entries().size());
}

std::optional<QueryCommand::Request> QueryCommand::parse(const QStringList &arguments, QString &error)
{
    Request request;
    const QueryProtocols::Row *protocol = nullptr;
    bool entries = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--players")) {
            request.players = true;
        } else if (a == QLatin1String("--tries") || a == QLatin1String("--entry")) {
            bool ok = false;
            const int n = i + 1 < arguments.size() ? arguments.at(++i).toInt(&ok) : 0;
            if (a == QLatin1String("--tries")) {
                if (!ok || n < 1 || n > 20) {
                    error = QStringLiteral("--tries takes a number from 1 to 20");
                    return std::nullopt;
                }
                request.tries = n;
                continue;
            }
            if (!ok || n < 1 || n > int(ServerCatalogue::entries().size()) || protocol) {
                error = protocol ? QStringLiteral("--entry does not go with a protocol")
                                 : QStringLiteral("--entry takes a catalogue entry's number");
                return std::nullopt;
            }
            entries = true;
            const QueryTarget target = ServerQueries::target(ServerCatalogue::entry(n));
            request.targets.append(target);
            request.addresses.append(target.host + QLatin1Char(':') + QString::number(target.port));
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(a);
            return std::nullopt;
        } else if (!protocol && !entries) {
            protocol = QueryProtocols::named(a);
            if (!protocol) {
                error = QStringLiteral("unknown protocol %1").arg(a);
                return std::nullopt;
            }
        } else {
            const qsizetype colon = a.lastIndexOf(QLatin1Char(':'));
            bool ok = false;
            const int port = colon > 0 ? a.mid(colon + 1).toInt(&ok) : 0;
            if (!protocol || !ok || port < 1 || port > 65535) {
                error = QStringLiteral("%1 is no HOST:PORT").arg(a);
                return std::nullopt;
            }
            request.targets.append({a.left(colon), quint16(port), protocol->protocol});
            request.addresses.append(a);
        }
    }
    if (request.targets.isEmpty()) {
        error = QStringLiteral("no server to ask");
        return std::nullopt;
    }
    return request;
}

QString QueryCommand::line(const QString &address, const ServerState &s, bool players)
{
    QString out = QStringLiteral("{\"address\": %1, \"status\": \"%2\", \"name\": %3, \"map\": %4, \"players\": %5, "
                                 "\"max\": %6, \"password\": %7, \"private\": %8, \"ping_ms\": %9")
                      .arg(json(address), s.isOnline() ? QStringLiteral("online") : QStringLiteral("offline"),
                           json(s.name), json(s.map))
                      .arg(s.players)
                      .arg(s.maxPlayers)
                      .arg(boolean(s.passwordNeeded))
                      .arg(s.privateSlots)
                      .arg(ping(s.pingMs));
    if (players) {
        QStringList rows;
        for (const PlayerRow &p : s.playerList)
            rows << QStringLiteral("{\"name\": %1, \"score\": %2, \"ping_ms\": %3}")
                        .arg(json(p.name))
                        .arg(p.score)
                        .arg(ping(p.pingMs));
        out += QStringLiteral(", \"players_list\": [") + rows.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    return out + QLatin1Char('}');
}

int QueryCommand::run(const Request &request, DatagramService &datagrams, QueryClock &clock)
{
    QueryScheduler scheduler(datagrams, clock);
    scheduler.setServers(request.targets);
    scheduler.setPlayerListWanted(request.players);
    scheduler.setTries(request.tries);
    QEventLoop loop;
    QObject::connect(&scheduler, &QueryScheduler::refreshFinished, &loop, &QEventLoop::quit);
    scheduler.refresh();
    loop.exec();
    bool all = true;
    for (int i = 0; i < scheduler.serverCount(); ++i) {
        const ServerState &state = scheduler.state(i);
        all = all && state.isOnline();
        std::printf("%s\n", line(request.addresses.at(i), state, request.players).toUtf8().constData());
    }
    std::fflush(stdout);
    return all ? 0 : 1;
}
