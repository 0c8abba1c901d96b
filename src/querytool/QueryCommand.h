#pragma once

#include "query/QueryTarget.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class DatagramService;
class QueryClock;
struct ServerState;

// ovcl_query: asks game servers the way the launcher does and prints one
// JSON object per server, in the order given.
//   ovcl_query [--players] [--tries N] PROTOCOL HOST:PORT...
//   ovcl_query [--players] [--tries N] --entry N...
// The exit status is 0 when every server answered, 1 when one did not and
// 2 for a command line it does not understand.
class QueryCommand
{
public:
    struct Request {
        QVector<QueryTarget> targets;
        QStringList addresses; // as printed, one per target
        bool players = false;
        int tries = 3;
    };
    // The request 'arguments' (without the program's name) make, or an
    // error text.
    static std::optional<Request> parse(const QStringList &arguments, QString &error);
    static QString usage();

    // One refresh of every target on the event loop; prints the lines and
    // returns the exit status.
    static int run(const Request &request, DatagramService &datagrams, QueryClock &clock);

    // One server's line.
    static QString line(const QString &address, const ServerState &state, bool players);
};
