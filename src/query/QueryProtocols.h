#pragma once

#include "ProtocolSession.h"
#include "QueryTarget.h"

#include <QStringView>

#include <memory>
#include <vector>

// The one table of the query protocols. Sessions, the stand-in servers,
// test doubles, the benchmark, the fuzzer and ovcl_query all walk it; a new
// protocol is one row here and its session (its requests, the player
// request among them, and its parser). How far a game's query port lies
// from its game port belongs to the game (ServerQueries), since one
// protocol serves games that differ there.
namespace QueryProtocols {

struct Row {
    QueryProtocol protocol;
    const char *name;        // as ovcl_query's command line names it
    const char *description; // for its usage text
    std::unique_ptr<ProtocolSession> (*session)(bool playerListWanted);
};

const std::vector<Row> &all();
const Row &of(QueryProtocol protocol);
// The row called 'name'; nullptr when none is.
const Row *named(QStringView name);

} // namespace QueryProtocols
