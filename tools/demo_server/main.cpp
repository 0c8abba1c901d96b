// Serves the community's pages on 127.0.0.1 for trying the launcher out, and
// answers the fourteen game servers' queries there too:
//   ovcl_demo_server [--port N] [--fail [PATH=]MODE]... [--serve PATH=FILE]...
//                    [--game-fail [ENTRY=]MODE]... [--no-games]
// --fail makes PATH, or every address when no PATH is given, answer badly;
// MODE is one of not-found, slow, oversized, garbage, hang (accept the
// connection and never answer), endless-headers. --serve answers PATH with the bytes of
// FILE (as HTML when FILE ends in .html or .php). Runs until interrupted
// (SIGINT or SIGTERM). The game servers answer on their catalogue ports
// (Unreal games: the game port + 1), with changing player counts; entry 9
// stays down; when a game port is taken it says which and exits with 1.
// --game-fail makes entry ENTRY (a catalogue number), or every entry, answer
// badly: silent, garbage, challenge-loop (Counter-Strike) or split (split
// replies out of order). --fill ENTRY[=SECONDS] keeps entry ENTRY full and
// frees a slot in turns (FillAndFree).

#include "CommunityServer.h"
#include "DemoGames.h"
#include "FillAndFree.h"
#include "servers/ServerCatalogue.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <QFile>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <pthread.h>
#include <thread>

namespace {

constexpr int defaultPort = 18080;

using Failure = CommunityServer::Failure;

struct Options {
    int port = defaultPort;
    QList<QPair<QString, Failure>> failures;
    QList<QPair<QString, QString>> served; // path, file
    QList<QPair<int, GameResponder::Mode>> gameFailures; // entry (0: every entry), mode
    bool games = true;
};

void usage(const char *program)
{
    std::fprintf(stderr,
                 "usage: %s [--port N] [--fail [PATH=]MODE]... [--serve PATH=FILE]...\n"
                 "          [--game-fail [ENTRY=]MODE]... [--no-games]\n",
                 program);
}

std::optional<Failure> failureNamed(const QString &name)
{
    static const QHash<QString, Failure> names{
        {"not-found", Failure::NotFound}, {"slow", Failure::Slow},       {"oversized", Failure::Oversized},
        {"garbage", Failure::Garbage},    {"hang", Failure::Hang},       {"endless-headers", Failure::EndlessHeaders},
    };
    const auto it = names.constFind(name);
    return it == names.constEnd() ? std::nullopt : std::optional<Failure>(*it);
}

std::optional<QPair<int, GameResponder::Mode>> gameFailure(const QString &text)
{
    using M = GameResponder::Mode;
    static const QHash<QString, M> names{
        {"silent", M::Silent}, {"garbage", M::Garbage}, {"challenge-loop", M::ChallengeLoop},
        {"split", M::SplitOutOfOrder}};
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    bool ok = eq < 0;
    const int entry = eq < 0 ? 0 : text.left(eq).toInt(&ok);
    const auto mode = names.constFind(text.mid(eq + 1));
    if (!ok || entry < 0 || entry > int(ServerCatalogue::entries().size()) || mode == names.constEnd())
        return std::nullopt;
    return qMakePair(entry, *mode);
}

// "PATH=VALUE" split at its first '='; nothing when either side is empty.
std::optional<QPair<QString, QString>> pathAndValue(const QString &text)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0 || eq + 1 == text.size())
        return std::nullopt;
    return QPair<QString, QString>(text.left(eq), text.mid(eq + 1));
}

// "[PATH]=MODE" split at its first '='; an empty PATH stands for every address.
std::optional<QPair<QString, QString>> failurePath(const QString &text)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0 || eq + 1 == text.size())
        return std::nullopt;
    return QPair<QString, QString>(text.left(eq), text.mid(eq + 1));
}

// The options of the command line, each as "--name value" or
// "--name=value"; nothing when they are wrong.
std::optional<Options> parse(int argc, char **argv)
{
    const QStringList names{"--port", "--fail", "--serve", "--game-fail"};
    Options options;
    for (int i = 1; i < argc; ++i) {
        QString name = QString::fromLocal8Bit(argv[i]);
        if (name == QLatin1String("--no-games")) {
            options.games = false;
            continue;
        }
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (names.contains(name) && i + 1 < argc) {
            value = QString::fromLocal8Bit(argv[++i]);
        } else if (eq > 0 && names.contains(name.left(eq))) {
            value = name.mid(eq + 1);
            name.truncate(eq);
        } else {
            return std::nullopt;
        }
        if (name == QLatin1String("--port")) {
            bool ok = false;
            options.port = value.toInt(&ok);
            if (!ok || options.port < 0 || options.port > 65535)
                return std::nullopt;
            continue;
        }
        if (name == QLatin1String("--game-fail")) {
            const auto failure = gameFailure(value);
            if (!failure)
                return std::nullopt;
            options.gameFailures << *failure;
            continue;
        }
        if (name == QLatin1String("--fail") && !value.contains(QLatin1Char('=')))
            value.prepend(QLatin1Char('=')); // every address
        const auto pair = name == QLatin1String("--fail") ? failurePath(value) : pathAndValue(value);
        if (!pair)
            return std::nullopt;
        if (name == QLatin1String("--serve")) {
            options.served << *pair;
            continue;
        }
        const std::optional<Failure> failure = failureNamed(pair->second);
        if (!failure)
            return std::nullopt;
        options.failures << qMakePair(pair->first, *failure);
    }
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    const std::optional<FillAndFree::Request> fill = FillAndFree::takeOption(argc, argv);
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        usage(argv[0]);
        return 2;
    }

    // Block the signals before any thread starts, so that only the sigwait()
    // below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    QCoreApplication app(argc, argv);

    CommunityServer server;
    server.setLogging(true);
    for (const auto &[path, failure] : options->failures)
        server.setFailure(path, failure);
    for (const auto &[path, name] : options->served) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            return 1;
        }
        const bool html = name.endsWith(QLatin1String(".html")) || name.endsWith(QLatin1String(".php"));
        server.setContent(path, file.readAll(), html ? QStringLiteral("text/html") : QStringLiteral("text/plain"));
    }
    if (!server.start(options->port)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%d\n", options->port);
        return 1;
    }
    std::printf("listening on %s\n", server.hostWithPort().toLocal8Bit().constData());
    std::fflush(stdout);

    DemoGames games;
    if (options->games) {
        QStringList failed;
        games.start(failed);
        if (!failed.isEmpty()) {
            std::fprintf(stderr,
                         "cannot listen for game queries on UDP %s of 127.0.0.1 (another program holds it?); "
                         "stop that program or start with --no-games\n",
                         qPrintable(failed.join(QStringLiteral(", "))));
            server.stop();
            return 1;
        }
        for (const auto &[entry, mode] : options->gameFailures)
            games.setMode(entry, mode);
        if (fill)
            new FillAndFree(games, *fill, &games);
        std::printf("game servers answer on 127.0.0.1 (entry %d is down)\n", DemoGames::DownEntry);
        std::fflush(stdout);
    }

    int received = 0;
    std::thread waiter([&] {
        sigwait(&stopSignals, &received);
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    waiter.join();
    std::fprintf(stderr, "stopping (%s)\n", received == SIGINT ? "SIGINT" : "SIGTERM");
    server.stop();
    return 0;
}
