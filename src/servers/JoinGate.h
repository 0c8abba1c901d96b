#pragma once

#include "JoinActions.h"

#include <functional>

class JoinPromptForm;
class LiveServerState;
class QueryClock;
class ServerMenu;
class SlotWait;

// Stands in front of every join: a server whose fresh state says it is full
// or silent is asked about first (wait, join anyway, cancel); any other join
// runs at once. Every join, however it comes, ends a running wait.
class JoinGate
{
public:
    JoinGate(ServerMenu &menu, LiveServerState &live, JoinPromptForm &prompt, SlotWait &wait, QueryClock &clock,
             std::function<bool()> english);

    // A click on a tile or a twin.
    void request(const JoinAction &action);
    // A join of entry 'number' from the tray or a balloon, as its twin's click.
    void requestEntry(int number);

private:
    void join(const JoinAction &action);

    ServerMenu &m_menu;
    LiveServerState &m_live;
    JoinPromptForm &m_prompt;
    SlotWait &m_wait;
    QueryClock &m_clock;
    std::function<bool()> m_english;
};
