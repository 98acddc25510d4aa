#include "engine/Processing.h"
#include "engine/Statistics.h"
#include "engine/Step.h"
#include "tests/engine/CellText.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace vellicor {
namespace {

Automaton Blinker(int32_t level = 1, int32_t limit = 500)
{
    Automaton a;
    ResetRun(a);
    test::SetLiveCells(a, {"", "", "", "", "", "", ".....111"});
    a.iLevel = level;
    a.iIterLimit = limit;
    return a;
}

// Counting, targets and the limit are driven through the program's own commands in the shell
// tests; these are the ends those commands cannot reach.
TEST(Processing, RunUntilStableEndsAtTheLimitEvenWhenTheLimitIsBelowTheLevel)
{
    Automaton stable;
    ResetRun(stable);
    stable.iLevel = 499; // one step makes it stable and reaches the limit: the level test comes first
    stable.iIterLimit = 500;
    EXPECT_EQ(0, RunUntilStable(stable));

    Automaton below = Blinker(1, 0); // the oscillator must not run for ever
    EXPECT_EQ(0, RunUntilStable(below));
    EXPECT_EQ(1, below.iLevel);
}

TEST(Processing, PollHookIsAskedEveryFewHundredGenerationsAndCanStop)
{
    Automaton a = Blinker(1, INT_MAX);
    int polls = 0;
    RunSteps(a, 2000000000, [&] { return ++polls < 3; });
    EXPECT_EQ(3, polls);
    EXPECT_EQ(1 + 3 * kPollInterval, a.iLevel);

    polls = 0;
    RunToLevel(a, 2000000000, [&] { return ++polls < 2; });
    EXPECT_EQ(1 + 5 * kPollInterval, a.iLevel);

    polls = 0;
    EXPECT_EQ(0, RunUntilStable(a, [&] { return ++polls < 4; }));
    EXPECT_EQ(1 + 9 * kPollInterval, a.iLevel);
}

TEST(Statistics, CountsAndDensitiesOfTheLiveCells)
{
    Automaton a;
    ResetRun(a);
    a.byArray[0][0] = 5; // the ring is not counted
    ComputeStatistics(a);
    EXPECT_EQ(std::tuple(169.0f, 1.0f, 0.0f), std::tuple(a.fStateCount[0], a.fStateDensity[0], a.fStateCount[5]));

    test::SetLiveCells(a, {"123", "f"});
    ComputeStatistics(a);
    EXPECT_EQ(std::tuple(165.0f, 1.0f), std::tuple(a.fStateCount[0], a.fStateCount[15]));
    float total = 0;
    for (float d : a.fStateDensity)
        total += d;
    EXPECT_NEAR(1.0f, total, 1e-5);

    Automaton empty;
    empty.wMaxHor = 1;
    ResetRun(empty);
    ComputeStatistics(empty);
    for (float d : empty.fStateDensity)
        EXPECT_EQ(0.0f, d) << "no live cell: densities 0, not 0 / 0";
}

} // namespace
} // namespace vellicor
