#pragma once

#include "FakeServer.h"
#include "LauncherFixture.h"

#include <QHash>

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
    // As answer(), the entries named in 'byEntry' (by number) as their own
    // stand-ins; the entries in 'silent' answer nothing.
    void answer(const FakeServer &server, const QHash<int, FakeServer> &byEntry, const QList<int> &silent = {});
    // Lets every request go unanswered until the servers count as offline.
    void silence();

private:
    LauncherFixture &m_f;
    int m_answered = 0;
};
