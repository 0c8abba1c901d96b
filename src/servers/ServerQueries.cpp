#include "ServerQueries.h"

#include <algorithm>

namespace ServerQueries {

const std::vector<GroupQuery> &groupQueries()
{
    using G = ServerCatalogue::Group;
    using P = QueryProtocol;
    static const std::vector<GroupQuery> table = {
        {G::CounterStrike, P::Source, 0},
        {G::CallOfDuty, P::Quake3, 0},
        {G::CallOfDuty2v10, P::Quake3, 0},
        {G::CallOfDuty2v13, P::Quake3, 0},
        {G::AlienVsPredator2, P::GameSpy, 0},
        {G::UnrealTournament, P::GameSpy, 1},
        {G::UnrealTournament2004, P::Unreal2, 1},
    };
    return table;
}

const GroupQuery &queryOf(ServerCatalogue::Group group)
{
    const auto &all = groupQueries();
    return *std::find_if(all.begin(), all.end(), [group](const GroupQuery &row) { return row.group == group; });
}

QueryTarget target(const ServerCatalogue::ServerEntry &entry)
{
    const GroupQuery &query = queryOf(entry.group);
    return {ServerCatalogue::hostName(entry), quint16(entry.port + query.portOffset), query.protocol};
}

QVector<QueryTarget> targets()
{
    QVector<QueryTarget> all;
    for (const ServerCatalogue::ServerEntry &entry : ServerCatalogue::entries())
        all.append(target(entry));
    return all;
}

} // namespace ServerQueries
