#include "engine/Processing.h"

#include "engine/Step.h"

namespace vellicor {

namespace {

// Asks the hook every kPollInterval generations.
class PollCountdown {
public:
    explicit PollCountdown(const PollHook& poll) : poll_(poll) {}

    bool Stopped()
    {
        if (!poll_ || --countdown_ > 0)
            return false;
        countdown_ = kPollInterval;
        return !poll_();
    }

private:
    const PollHook& poll_;
    int countdown_ = kPollInterval;
};

} // namespace

// A refused call changes nothing, so once one is refused every later call of the same loop
// would be refused too: the loops stop counting there with the same result.

void RunSteps(Automaton& a, int32_t n, const PollHook& poll)
{
    PollCountdown countdown(poll);
    for (int32_t i = 0; i < n; ++i)
        if (ComputeNextGeneration(a) == 0 || countdown.Stopped())
            return;
}

void RunToLevel(Automaton& a, int32_t t, const PollHook& poll)
{
    PollCountdown countdown(poll);
    for (int32_t counter = a.iLevel; counter < t; ++counter)
        if (ComputeNextGeneration(a) == 0 || countdown.Stopped())
            return;
}

int RunUntilStable(Automaton& a, const PollHook& poll)
{
    // A limit below the current level (possible only from a settings file) is never met by the
    // step's equality test, and an oscillating figure would then run for ever. The level is
    // already past the limit, so the run counts as stopped there: nothing is computed.
    if (a.iIterLimit < a.iLevel)
        return 0;
    PollCountdown countdown(poll);
    for (;;) {
        ComputeNextGeneration(a);
        if (a.iLevel == a.iIterLimit)
            return 0;
        if (IsStable(a) != 0)
            return 1;
        if (countdown.Stopped())
            return 0;
    }
}

} // namespace vellicor
