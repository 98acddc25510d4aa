#pragma once
// The loops of the processing commands, all around ComputeNextGeneration. They may run for
// billions of generations (a level is one dialog entry away), so each takes a poll hook that is
// called every kPollInterval generations: the shell keeps its window alive there and returns
// false to stop the loop (a key press). With no hook the loops run exactly as counted.

#include "engine/Automaton.h"

#include <functional>

namespace vellicor {

using PollHook = std::function<bool()>;
inline constexpr int kPollInterval = 256;

// n calls of the step; none when n < 1. Refused calls count.
void RunSteps(Automaton& a, int32_t n, const PollHook& poll = {});
// Steps while a counter started at iLevel is below t. Refused calls count, so a target above
// the limit ends at the limit with bLimitReached set.
void RunToLevel(Automaton& a, int32_t t, const PollHook& poll = {});
// 1 when the array became stable, 0 when the run stopped at the limit (or was stopped by the
// hook). The level test comes first: stable at the limit returns 0.
int RunUntilStable(Automaton& a, const PollHook& poll = {});

} // namespace vellicor
