#include "QueryProtocols.h"

#include "GameSpySession.h"
#include "Quake3Session.h"
#include "SourceSession.h"
#include "Unreal2Session.h"

#include <algorithm>

namespace QueryProtocols {

namespace {
template <class Session>
std::unique_ptr<ProtocolSession> make(bool playerListWanted)
{
    return std::make_unique<Session>(playerListWanted);
}
} // namespace

const std::vector<Row> &all()
{
    using P = QueryProtocol;
    static const std::vector<Row> rows = {
        {.protocol = P::Source, .name = "a2s", .description = "A2S (Counter-Strike)", .session = make<SourceSession>},
        {.protocol = P::Quake3, .name = "quake3", .description = "getstatus (Call of Duty)",
         .session = make<Quake3Session>},
        {.protocol = P::GameSpy, .name = "gamespy", .description = "GameSpy \\status\\ (AvP2, Unreal Tournament)",
         .session = make<GameSpySession>},
        {.protocol = P::Unreal2, .name = "unreal2", .description = "Unreal 2 (Unreal Tournament 2004)",
         .session = make<Unreal2Session>},
    };
    return rows;
}

const Row &of(QueryProtocol protocol)
{
    const auto &rows = all();
    return *std::find_if(rows.begin(), rows.end(), [protocol](const Row &r) { return r.protocol == protocol; });
}

const Row *named(QStringView name)
{
    for (const Row &row : all()) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

} // namespace QueryProtocols
