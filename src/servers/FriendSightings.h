#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class FriendList;
struct ServerState;

// Which friends play where, server by server, and who has just come: a
// friend counts as appearing on a server once, when a reply first lists
// them there after one that did not. A server that stops answering keeps
// who was on it, so its return announces nobody again.
class FriendSightings
{
public:
    explicit FriendSightings(int servers) : m_present(size_t(servers)) {}

    // The friends that reply 'state' of server 'index' shows newly, as the
    // list names them.
    QStringList update(int index, const ServerState &state, const FriendList &friends);
    // The friends last seen on server 'index'.
    QStringList present(int index) const;

private:
    std::vector<QStringList> m_present;
};
