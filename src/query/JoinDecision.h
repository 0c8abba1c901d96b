#pragma once

#include <QtGlobal>

struct ServerState;

// What a click on a server does, from what is known of it: a join that the
// server would refuse, or one that would wait for a server that does not
// answer, is asked about first. A state older than MaxAgeMs, or none, says
// nothing, and the join runs at once: the check never waits for a query.
class JoinDecision
{
public:
    enum Verdict { JoinNow, AskFull, AskSilent };
    static constexpr qint64 MaxAgeMs = 60 * 1000;

    // 'ageMs': how long ago the server's state was settled; negative when
    // it never was.
    static Verdict decide(const ServerState &state, qint64 ageMs);
};
