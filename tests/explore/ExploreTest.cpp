#include "engine/Processing.h"
#include "explore/Exploration.h"
#include "tests/engine/CellText.h"
#include "tests/ThreadCount.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

namespace vellicor {
namespace {

using test::SetLiveCells;
using test::ThreadsOfThisProcess;

Automaton Sized(int side, int geometry = 0)
{
    Automaton a;
    a.wMaxHor = a.wMaxVer = side + 1;
    a.iGeometryMode = geometry;
    ResetRun(a);
    return a;
}

// A torus whose live cells, column by column, take state(x, y).
template <typename State> Automaton Painted(int side, State state)
{
    Automaton a = Sized(side, 1);
    for (int x = 1; x <= side; ++x)
        for (int y = 1; y <= side; ++y)
            a.byArray[x][y] = static_cast<uint8_t>(state(x, y));
    ApplyGeometry(a);
    return a;
}

// A soup of the first `states` states from a small LCG, the same on every library.
Automaton Soup(int side, int states, uint32_t seed)
{
    return Painted(side, [&](int, int) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 24) % static_cast<uint32_t>(states);
    });
}

RuleSet Rules(std::initializer_list<int32_t> masks)
{
    RuleSet r{};
    std::copy(masks.begin(), masks.end(), r.begin());
    return r;
}

RunOutcome Judge(Automaton a, const RuleSet& rules, int32_t generations = 100)
{
    PrepareCandidate(a, rules);
    return RunCandidate(a, generations, true);
}

TEST(DullFilterTest, LeavesOutRunsThatDieFreezeOrSettleIntoPeriodTwoAndKeepsALivelyOne)
{
    // A uniform torus under state-weighted sums: 0 -> 1 -> 2 -> 3 -> 0 ..., never stable, period 4.
    Automaton uniform = Sized(12, 1);
    uniform.bHomogeneousMode = 0;
    const RunOutcome dies = Judge(uniform, Rules({1 << 4, 1 << 0, 1 << 8, 1 << 6}));
    EXPECT_EQ(RunVerdict::DiesOut, dies.verdict);
    EXPECT_EQ(25, dies.generations) << "a uniform picture has no structure: seen at K / 4";

    // In the plane the two rows and columns along the edges, stirred by the border, do not count.
    Automaton filled = Sized(12);
    SetLiveCells(filled, {"3.3.3.3.3.33", "3...3", "", "", "", "..........3", "", "", "", "", "", "3..........3"});
    EXPECT_TRUE(IsNearlyUniform(MeasurePicture(filled)));
    filled.byArray[3][5] = filled.byArray[4][5] = 1; // two of the 64 cells judged
    EXPECT_FALSE(IsNearlyUniform(MeasurePicture(filled)));
    filled.byArray[3][5] = filled.byArray[4][5] = 0;
    filled.iGeometryMode = 1;
    EXPECT_FALSE(IsNearlyUniform(MeasurePicture(filled)));

    // Life: an L of three cells closes into a block at once.
    Automaton corner = Sized(12);
    SetLiveCells(corner, {"", "", "", "....11", "....1"});
    const RunOutcome freezes = Judge(corner, Rules({499, 8}));
    EXPECT_EQ(RunVerdict::Freezes, freezes.verdict);
    EXPECT_EQ(2, freezes.generations);

    // Life: a row of three blinks.
    Automaton blinker = Sized(12);
    SetLiveCells(blinker, {"", "", "", "....111"});
    const RunOutcome blinks = Judge(blinker, Rules({499, 8}));
    EXPECT_EQ(RunVerdict::PeriodTwo, blinks.verdict);
    EXPECT_EQ(2, blinks.generations);

    // Life on a soup is still busy after 100 generations, and K only counts the generations.
    const Automaton soup = Soup(100, 2, 7);
    EXPECT_EQ(RunVerdict::Lively, Judge(soup, Rules({499, 8})).verdict);
    Automaton run = soup;
    PrepareCandidate(run, Rules({499, 8}));
    RunCandidate(run, 100, true);
    Automaton own = soup;
    RunSteps(own, 100);
    EXPECT_EQ(0, std::memcmp(own.byArray[0], run.byArray[0], sizeof(CellArray))) << "not the program's run";
}

TEST(DullFilterTest, APlainPictureWithASpeckHasDiedOutAndASparsePictureLives)
{
    // Life: a glider crosses an empty plane for ever, one speck on a plain ground.
    Automaton glider = Sized(100);
    SetLiveCells(glider, {"", "", "", "", "", "", "", "", "", "..........1", "...........1", ".........111"});
    const RunOutcome speck = Judge(glider, Rules({499, 8}));
    EXPECT_EQ(RunVerdict::DiesOut, speck.verdict);
    EXPECT_EQ(25, speck.generations) << "seen at K / 4";

    // Life's ash on a soup: blocks, blinkers and gliders scattered over an empty ground.
    Automaton ash = Soup(100, 2, 7);
    PrepareCandidate(ash, Rules({499, 8}));
    EXPECT_EQ(RunVerdict::Lively, RunCandidate(ash, 100, true).verdict);
    EXPECT_GT(MeasurePicture(ash).plainShare, 0.9) << "no longer a sparse picture";
}

TEST(DullFilterTest, LeavesOutNoiseEarlyAndKeepsARunWithStructure)
{
    // The parity of the eight neighbours scrambles a soup for ever; Life leaves blocks, blinkers
    // and gliders on an empty ground.
    const Automaton soup = Soup(100, 2, 7);
    const RunOutcome noise = Judge(soup, Rules({341, 682}));
    EXPECT_EQ(RunVerdict::Noise, noise.verdict);
    EXPECT_EQ(25, noise.generations);
    EXPECT_LT(noise.structure, kEarlyNoiseBelow);
    const RunOutcome shortNoise = Judge(soup, Rules({341, 682}), 6);
    EXPECT_EQ(RunVerdict::Noise, shortNoise.verdict) << "too short for the early look, judged at K";
    EXPECT_EQ(6, shortNoise.generations);
    const RunOutcome life = Judge(soup, Rules({499, 8}));
    EXPECT_EQ(RunVerdict::Lively, life.verdict);
    EXPECT_GE(life.structure, kNoiseBelow);
}

TEST(StructureTest, TheFigureOfACheckerboardAUniformPictureAndIndependentCells)
{
    EXPECT_DOUBLE_EQ(1.0, StructureFigure(Painted(100, [](int x, int y) { return (x + y) % 2 * 9; })))
        << "a neighbour tells a cell's state";
    // Stripes two cells wide across: the horizontal pairs alone tell nothing, the vertical ones all.
    EXPECT_NEAR(0.19, StructureFigure(Painted(100, [](int x, int) { return x / 2 % 2; })), 0.01);
    EXPECT_EQ(0.0, StructureFigure(Painted(100, [](int, int) { return 5; })));
    EXPECT_EQ(0.0, StructureFigure(Sized(1))) << "one cell, no pair";
    for (int states : {2, 16}) {
        const double figure = StructureFigure(Soup(100, states, 3));
        EXPECT_GE(figure, 0.0);
        EXPECT_LT(figure, 0.01) << states << " states";
    }
}

TEST(CandidatesTest, NewVariationsAndCrossDrawTheTargetsTheyPromise)
{
    const RuleSet parentA = Rules({3, 4, 1 << 9, 0, 8});
    const RuleSet parentB = Rules({0, 3, 4, 1 << 9 | 8, 0});
    for (int slot = 0; slot < 200; ++slot) {
        ExplorePlan plan{CandidateKind::New, 42, 3, parentA, parentB};
        for (int t : TargetsOf(MakeCandidate(plan, slot, 0)))
            EXPECT_TRUE(t >= kKeepCell && t < 3);

        plan.kind = CandidateKind::Variations;
        const SumTargets before = TargetsOf(parentA);
        const SumTargets after = TargetsOf(MakeCandidate(plan, slot, 0));
        int changed = 0;
        for (int k = 0; k < kSumCount; ++k)
            changed += before[size_t(k)] != after[size_t(k)] ? 1 : 0;
        EXPECT_TRUE(changed == 1 || changed == 2) << changed;

        plan.kind = CandidateKind::Cross;
        const SumTargets child = TargetsOf(MakeCandidate(plan, slot, 0));
        const SumTargets a = TargetsOf(parentA);
        const SumTargets b = TargetsOf(parentB);
        for (int k = 0; k < kSumCount; ++k)
            EXPECT_TRUE(child[size_t(k)] == a[size_t(k)] || child[size_t(k)] == b[size_t(k)]);
        EXPECT_NE(child, a);
        EXPECT_NE(child, b);
    }
    // One seed names one gallery; another seed another.
    const ExplorePlan plan{CandidateKind::New, 7, 16, {}, {}};
    EXPECT_EQ(MakeCandidate(plan, 5, 1), MakeCandidate(plan, 5, 1));
    EXPECT_NE(MakeCandidate(plan, 5, 1), MakeCandidate(ExplorePlan{CandidateKind::New, 8, 16, {}, {}}, 5, 1));
    EXPECT_NE(MakeCandidate(plan, 5, 1), MakeCandidate(plan, 5, 2));
}

TEST(ExplorationTest, AGalleryIsTheSameOnAnyNumberOfThreadsAndHoldsNoDullRunUnmarked)
{
    Automaton start = Soup(40, 4, 3);
    start.bHomogeneousMode = 0;
    const ExplorePlan plan{CandidateKind::New, 2024, 4, {}, {}};
    const std::vector<SlotResult> one = ExploreAll(start, plan, 60, 16, 1);
    const std::vector<SlotResult> two = ExploreAll(start, plan, 60, 16, 2);
    int replaced = 0;
    int noise = 0;
    for (size_t i = 0; i < one.size(); ++i) {
        ASSERT_TRUE(one[i].last && two[i].last) << "slot " << i;
        EXPECT_EQ(one[i].rules, two[i].rules) << "slot " << i;
        EXPECT_EQ(0, std::memcmp(one[i].last->byArray[0], two[i].last->byArray[0], sizeof(CellArray)));
        replaced += one[i].attempts > 1 ? 1 : 0;
        if (one[i].mark == SlotMark::None) {
            EXPECT_EQ(RunVerdict::Lively, Judge(start, one[i].rules, 60).verdict) << "slot " << i;
            EXPECT_GE(one[i].structure, kNoiseBelow) << "slot " << i;
        }
        EXPECT_DOUBLE_EQ(StructureFigure(*one[i].last), one[i].structure) << "slot " << i;
        noise += one[i].mark == SlotMark::Noise ? 1 : 0;
    }
    EXPECT_GT(replaced, 0) << "no dull candidate was met: the filter went untried";
    EXPECT_GT(noise, 0) << "no place was left with noise alone";
}

TEST(ExplorationTest, ACancelledExplorationLeavesNothingRunningAndReportsNothingMore)
{
    const int threadsBefore = ThreadsOfThisProcess();
    std::atomic<int> reported{0};
    auto exploration = std::make_unique<Exploration>(std::make_shared<Automaton>(Soup(100, 2, 5)),
                                                     ExplorePlan{CandidateKind::New, 1, 2, {}, {}}, 50'000'000,
                                                     [&](SlotResult) { ++reported; }, 2);
    exploration->Extend(64);
    EXPECT_EQ(2, exploration->ActiveWorkers());
    EXPECT_EQ(threadsBefore + 2, ThreadsOfThisProcess());
    const auto before = std::chrono::steady_clock::now();
    exploration->Cancel();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
    EXPECT_EQ(0, exploration->ActiveWorkers());
    EXPECT_EQ(threadsBefore, ThreadsOfThisProcess());
    exploration->Extend(128); // nothing starts again
    EXPECT_EQ(0, exploration->ActiveWorkers());
    exploration.reset();
    EXPECT_EQ(0, reported.load());
}

} // namespace
} // namespace vellicor
