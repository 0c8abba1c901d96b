#pragma once

#include "ManualQueryClock.h"
#include "RecordingDatagrams.h"
#include "launcher/Services.h"

// Game servers that never answer and a query clock that stands still, for
// launchers whose tests are about something else.
inline void addQuietGameServers(Services &s)
{
    auto clock = std::make_unique<ManualQueryClock>();
    s.datagrams = std::make_unique<RecordingDatagrams>([at = clock.get()] { return at->nowMs(); });
    s.queryClock = std::move(clock);
}
