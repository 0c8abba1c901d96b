#pragma once

#include "ServerCatalogue.h"
#include "query/QueryTarget.h"

#include <QVector>

// How each game group is asked how its servers are: the query protocol and
// the query port's distance from the game port.
namespace ServerQueries {

struct GroupQuery {
    ServerCatalogue::Group group;
    QueryProtocol protocol;
    int portOffset; // the query port is the game port + this
};

const std::vector<GroupQuery> &groupQueries();
const GroupQuery &queryOf(ServerCatalogue::Group group);

// Where 'entry' is asked: its host, its query port and its group's protocol.
QueryTarget target(const ServerCatalogue::ServerEntry &entry);
// The fourteen entries' targets, in entry order.
QVector<QueryTarget> targets();

} // namespace ServerQueries
