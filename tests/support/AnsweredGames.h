#pragma once

#include "FakeServer.h"
#include "LauncherFixture.h"

// Answers the fourteen game servers' queries of a launcher on recording
// datagrams, all as one stand-in server would (StandIns), in each server's
// protocol.
class AnsweredGames
{
public:
    explicit AnsweredGames(LauncherFixture &fixture) : m_f(fixture) {}

    // Answers every request sent so far, moving the query clock until a
    // refresh has had time to ask all fourteen.
    void answer(const FakeServer &server);
    // Lets every request go unanswered until the servers count as offline.
    void silence();

private:
    LauncherFixture &m_f;
    int m_answered = 0;
};
