#include "ServerStateTexts.h"

#include <algorithm>

namespace {
QString tr(bool english, const char *czech, const char *inEnglish)
{
    return QString::fromUtf8(english ? inEnglish : czech);
}

QString seenAt(const QDateTime &seen, const QDateTime &now)
{
    return seen.toString(seen.date() == now.date() ? QStringLiteral("HH:mm") : QStringLiteral("d.M. HH:mm"));
}
} // namespace

// Czech counts take three forms: 1 další, 2-4 další, 5 and more dalších.
QString others(bool english, int count)
{
    if (english)
        return QStringLiteral("and %1 more").arg(count);
    return QString::fromUtf8(count >= 2 && count <= 4 ? "a %1 další" : "a %1 dalších").arg(count);
}

QVector<ServerStateTexts::PlayerLine> listedPlayers(const ServerState &state, int rows, QString &more, bool english)
{
    QVector<PlayerRow> sorted = state.playerList;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const PlayerRow &a, const PlayerRow &b) { return a.score > b.score; });
    const int shown = int(sorted.size()) <= rows ? int(sorted.size()) : std::max(0, rows - 1);
    QVector<ServerStateTexts::PlayerLine> lines;
    for (int i = 0; i < shown; ++i) {
        const PlayerRow &p = sorted.at(i);
        lines.append({p.name.isEmpty() ? QStringLiteral("?") : p.name, QString::number(p.score),
                      p.pingMs >= 0 ? QStringLiteral("%1 ms").arg(p.pingMs) : QString()});
    }
    // Players the server counts but does not list are left out too.
    const int left = std::max(int(sorted.size()), state.players) - shown;
    if (left > 0 && rows > 0 && shown < int(sorted.size()))
        more = others(english, left);
    return lines;
}

ServerStateTexts ServerStateTexts::of(const ServerState &state, bool english, const QDateTime &now,
                                      const QString &caption, int playerRows)
{
    ServerStateTexts t;
    const bool known = state.lastSeen.isValid();
    const QString dash = QStringLiteral("\u2013");
    t.players = known ? QStringLiteral("%1/%2").arg(state.players).arg(state.maxPlayers) : dash;
    t.name = known && !state.name.isEmpty() ? state.name : caption;
    t.map = tr(english, "Mapa: ", "Map: ") + (known && !state.map.isEmpty() ? state.map : dash);
    t.count = tr(english, "Hráči: ", "Players: ") + t.players;
    t.ping = QStringLiteral("Ping: ")
        + (known && state.pingMs >= 0 ? QStringLiteral("%1 ms").arg(state.pingMs) : dash);
    t.locked = known && state.passwordNeeded;
    t.greyed = !state.isOnline();
    QString status;
    switch (state.status) {
    case ServerState::Status::Online:
        status = tr(english, "běží", "online");
        break;
    case ServerState::Status::Offline:
        status = tr(english, "neodpovídá", "not answering");
        t.seen = known ? tr(english, "Naposledy viděn %1", "Last seen %1").arg(seenAt(state.lastSeen, now))
                       : tr(english, "Server neodpovídá", "The server does not answer");
        break;
    case ServerState::Status::Unknown:
        status = tr(english, "zjišťuje se", "being asked");
        t.seen = tr(english, "Zjišťuji stav…", "Asking the server…");
        break;
    }
    t.summary = status + QStringLiteral(", ") + t.count;
    if (known && state.hasPlayerList)
        t.playerLines = listedPlayers(state, playerRows, t.more, english);
    return t;
}
