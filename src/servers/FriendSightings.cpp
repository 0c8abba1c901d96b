#include "FriendSightings.h"

#include "FriendList.h"
#include "query/ServerState.h"

QStringList FriendSightings::update(int index, const ServerState &state, const FriendList &friends)
{
    QStringList &present = m_present.at(size_t(index));
    if (!state.isOnline() || (!state.hasPlayerList && state.players > 0))
        return {};
    QStringList now;
    for (const PlayerRow &player : state.playerList) {
        const QString name = friends.match(player.name);
        if (!name.isEmpty() && !now.contains(name))
            now << name;
    }
    QStringList appeared;
    for (const QString &name : now) {
        if (!present.contains(name))
            appeared << name;
    }
    present = now;
    return appeared;
}

QStringList FriendSightings::present(int index) const
{
    return m_present.at(size_t(index));
}
