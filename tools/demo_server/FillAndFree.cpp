#include "FillAndFree.h"

#include "DemoGames.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
FillAndFree::Request parsed(const char *text)
{
    const QString value = QString::fromLocal8Bit(text);
    const QStringList parts = value.split(QLatin1Char('='));
    FillAndFree::Request request;
    bool ok = parts.size() <= 2;
    if (ok)
        request.entry = parts.first().toInt(&ok);
    if (ok && parts.size() == 2)
        request.seconds = parts.last().toInt(&ok);
    if (!ok || request.entry < 1 || request.entry > 14 || request.seconds < 1) {
        std::fprintf(stderr, "--fill wants ENTRY (1-14), optionally =SECONDS, not '%s'\n", text);
        std::exit(2);
    }
    return request;
}
} // namespace

std::optional<FillAndFree::Request> FillAndFree::takeOption(int &argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        int taken = 0;
        const char *value = nullptr;
        if (std::strcmp(argv[i], "--fill") == 0 && i + 1 < argc) {
            value = argv[i + 1];
            taken = 2;
        } else if (std::strncmp(argv[i], "--fill=", 7) == 0) {
            value = argv[i] + 7;
            taken = 1;
        }
        if (!taken)
            continue;
        const Request request = parsed(value);
        for (int j = i; j + taken <= argc; ++j)
            argv[j] = argv[j + taken];
        argc -= taken;
        return request;
    }
    return std::nullopt;
}

FillAndFree::FillAndFree(DemoGames &games, Request request, QObject *parent)
    : QObject(parent), m_games(games), m_request(request)
{
    m_games.hold(request.entry);
    connect(&m_turn, &QTimer::timeout, this, [this] {
        m_full = !m_full;
        apply();
    });
    m_turn.start(request.seconds * 1000);
    apply();
}

void FillAndFree::apply()
{
    GameResponder *responder = m_games.responder(m_request.entry);
    if (!responder)
        return;
    FakeServer server = responder->server();
    const int players = m_full ? server.maxPlayers : server.maxPlayers - 1;
    server.players = DemoGames::names(players);
    responder->setServer(server);
    std::printf("entry %d is %s (%d/%d)\n", m_request.entry, m_full ? "full" : "one slot free", players,
                server.maxPlayers);
    std::fflush(stdout);
}
