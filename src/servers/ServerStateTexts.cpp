#include "ServerStateTexts.h"

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

ServerStateTexts ServerStateTexts::of(const ServerState &state, bool english, const QDateTime &now,
                                      const QString &caption)
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
    return t;
}
