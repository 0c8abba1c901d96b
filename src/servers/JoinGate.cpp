#include "JoinGate.h"

#include "JoinPromptForm.h"
#include "LiveServerState.h"
#include "ServerCatalogue.h"
#include "ServerMenu.h"
#include "ServerStateTexts.h"
#include "SlotWait.h"
#include "query/JoinDecision.h"
#include "query/QueryClock.h"

JoinGate::JoinGate(ServerMenu &menu, LiveServerState &live, JoinPromptForm &prompt, SlotWait &wait,
                   QueryClock &clock, std::function<bool()> english)
    : m_menu(menu), m_live(live), m_prompt(prompt), m_wait(wait), m_clock(clock), m_english(std::move(english))
{
    menu.setGate([this](const JoinAction &action) { request(action); });
}

void JoinGate::request(const JoinAction &action)
{
    // One question at a time.
    if (m_prompt.isVisible())
        return;
    const int index = action.entry - 1;
    const QueryScheduler &scheduler = m_live.scheduler();
    const qint64 settled = scheduler.settledAtMs(index);
    const ServerState &state = scheduler.state(index);
    const JoinDecision::Verdict verdict =
        JoinDecision::decide(state, settled < 0 ? -1 : m_clock.nowMs() - settled);
    if (verdict == JoinDecision::JoinNow) {
        join(action);
        return;
    }
    const bool english = m_english();
    const QString caption = QString::fromUtf8(ServerCatalogue::entry(action.entry).caption);
    const ServerStateTexts texts = ServerStateTexts::of(state, english, m_clock.wallTime(), caption);
    switch (m_prompt.ask(verdict, caption + QStringLiteral(": ") + texts.players, english)) {
    case JoinPromptForm::Wait:
        m_wait.begin(action);
        break;
    case JoinPromptForm::JoinAnyway:
        join(action);
        break;
    case JoinPromptForm::Cancel:
        if (m_wait.entry() == action.entry)
            m_wait.stop();
        break;
    }
}

void JoinGate::requestEntry(int number)
{
    request(m_menu.twinAction(number));
}

void JoinGate::join(const JoinAction &action)
{
    m_wait.stop();
    m_menu.join(action);
}
