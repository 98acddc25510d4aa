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

TEST(Processing, RunStepsCountsRefusedCalls)
{
    Automaton a = Blinker(499);
    RunSteps(a, 5);
    EXPECT_EQ(std::tuple(500, 1), std::tuple(a.iLevel, a.bLimitReached));
    a.iIterLimit += a.iIterIncrement;
    RunSteps(a, 5);
    EXPECT_EQ(std::tuple(505, 0), std::tuple(a.iLevel, a.bLimitReached));
    RunSteps(a, 0);
    RunSteps(a, -3);
    EXPECT_EQ(505, a.iLevel);

    Automaton b = Blinker(499);
    RunSteps(b, 1);
    EXPECT_EQ(std::tuple(500, 0), std::tuple(b.iLevel, b.bLimitReached)) << "reaching the limit by a step that ran";
}

TEST(Processing, RunToLevelStopsAtTheTargetOrTheLimit)
{
    Automaton a = Blinker();
    RunToLevel(a, 40);
    EXPECT_EQ(40, a.iLevel);
    RunToLevel(a, 10);
    EXPECT_EQ(40, a.iLevel) << "a target below the level computes nothing";
    RunToLevel(a, INT_MAX);
    EXPECT_EQ(std::tuple(500, 1), std::tuple(a.iLevel, a.bLimitReached));
}

TEST(Processing, RunUntilStable)
{
    Automaton a;
    ResetRun(a);
    test::SetLiveCells(a, {"", "", ".11", "1..1", ".11"}); // beehive: stable at once
    EXPECT_EQ(1, RunUntilStable(a));
    EXPECT_EQ(2, a.iLevel);

    Automaton b = Blinker();
    EXPECT_EQ(0, RunUntilStable(b));
    EXPECT_EQ(std::tuple(500, 0), std::tuple(b.iLevel, b.bLimitReached)) << "the limit reached by a step that ran";
    EXPECT_EQ(0, RunUntilStable(b));
    EXPECT_EQ(1, b.bLimitReached) << "given again at the limit, the step is refused";

    Automaton c;
    ResetRun(c);
    c.iLevel = 500; // stable and at the limit: the level test comes first
    c.iIterLimit = 501;
    EXPECT_EQ(0, RunUntilStable(c));

    Automaton d = Blinker(1, 0); // a limit below the level: the oscillator must not run for ever
    EXPECT_EQ(0, RunUntilStable(d));
    EXPECT_EQ(1, d.iLevel);
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
