#include "JoinDecision.h"

#include "ServerSlots.h"
#include "ServerState.h"

JoinDecision::Verdict JoinDecision::decide(const ServerState &state, qint64 ageMs)
{
    if (ageMs < 0 || ageMs > MaxAgeMs)
        return JoinNow;
    switch (state.status) {
    case ServerState::Status::Offline:
        return AskSilent;
    case ServerState::Status::Online:
        return ServerSlots::isFull(state) ? AskFull : JoinNow;
    case ServerState::Status::Unknown:
        break;
    }
    return JoinNow;
}
