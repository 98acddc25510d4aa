#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "tests/engine/CellText.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

using test::LiveCells;
using test::SetLiveCells;
using Rows = std::vector<std::string>;

// Every behaviour is checked on the optimised step and on the reference step.
class StepTest : public ::testing::TestWithParam<int (*)(Automaton&)> {
protected:
    int Step(Automaton& a) { return GetParam()(a); }
};

INSTANTIATE_TEST_SUITE_P(Both, StepTest,
                         ::testing::Values(&ComputeNextGeneration, &ComputeNextGenerationReference),
                         [](const auto& info) { return info.index == 0 ? "Optimised" : "Reference"; });

Automaton Small(int columns, int rows)
{
    Automaton a;
    a.wMaxHor = columns + 1;
    a.wMaxVer = rows + 1;
    ResetRun(a);
    return a;
}

TEST_P(StepTest, BlinkerOscillatesAndBlockStands)
{
    Automaton a = Small(13, 13);
    SetLiveCells(a, {"", "", "", "", "", "", ".....111"});
    const Rows horizontal = LiveCells(a);
    ASSERT_EQ(1, Step(a));
    EXPECT_EQ(0, IsStable(a));
    EXPECT_EQ(".......", LiveCells(a)[4].substr(0, 7));
    EXPECT_EQ("......1......", LiveCells(a)[5]);
    EXPECT_EQ("......1......", LiveCells(a)[6]);
    EXPECT_EQ("......1......", LiveCells(a)[7]);
    ASSERT_EQ(1, Step(a));
    EXPECT_EQ(0, IsStable(a));
    EXPECT_EQ(horizontal, LiveCells(a));
    EXPECT_EQ(3, a.iLevel);

    Automaton b = Small(13, 13);
    SetLiveCells(b, {"", "", ".....11", ".....11"});
    const Rows block = LiveCells(b);
    Step(b);
    EXPECT_EQ(block, LiveCells(b));
    EXPECT_EQ(1, IsStable(b));
}

TEST_P(StepTest, HighestClaimingStateWins)
{
    Automaton a = Small(5, 5);
    ApplyAutomatonPreset(a, 196); // sum 3: state 0 (297) and state 7 (10)
    SetLiveCells(a, {"", ".1.", "1.1"});
    Step(a);
    EXPECT_EQ(7, a.byArray[2][3]) << "three neighbours";

    Automaton b = Small(5, 5);
    ApplyAutomatonPreset(b, 195); // sum 7: state 0 (385) and state 3 (128)
    SetLiveCells(b, {"111", "1.1", "11."});
    Step(b);
    EXPECT_EQ(3, b.byArray[2][2]) << "seven neighbours";
}

TEST_P(StepTest, ACellWithoutARuleKeepsItsState)
{
    Automaton a = Small(5, 5);
    ApplyAutomatonPreset(a, 198); // only sums 5 (state 0) and 2 (state 1) have rules
    SetLiveCells(a, {"", ".f", "", "", ""});
    Step(a);
    EXPECT_EQ(15, a.byArray[2][2]) << "sum 0 has no rule";
    EXPECT_EQ(0, a.byArray[1][1]) << "sum 1 has no rule";
}

TEST_P(StepTest, WeightedSumsOfStateValues)
{
    Automaton a = Small(5, 5);
    a.bHomogeneousMode = 0;
    for (auto& s : a.iNumAuto)
        s = 0;
    a.iNumAuto[9] = 1 << 2; // sum 2 gives 9
    DecodeRules(a);
    SetLiveCells(a, {"34.", ".5.", "..."});
    a.byArray[2][2] = 0; // the centre (weight 0)
    SetLiveCells(a, {"34", "5"});
    Step(a);
    EXPECT_EQ(9, a.byArray[2][2]) << "3 + 4 + 5 = 12, reduced to 2";
}

TEST_P(StepTest, ModuloNeighboursCountsWithoutTheIncrement)
{
    Automaton a = Small(3, 3);
    SetLiveCells(a, {"111", "1.1", "111"});
    a.iModuloMode = 3;
    ComputeModuloValues(a);
    ASSERT_EQ(8, ModuloDivisor(a));
    Step(a);
    EXPECT_EQ(0, a.byArray[2][2]) << "8 % 8 = 0, which the Life rule sends to state 0";
}

TEST_P(StepTest, SumsOutsideTheRuleTableMatchNothing)
{
    // Negative weights give negative remainders; a zero divisor leaves the sum unreduced; a user
    // divisor above 10 gives remainders above 9. None of them may pick a rule.
    Automaton a = Small(3, 3);
    a.iNeighbours[0][0] = -1;
    SetLiveCells(a, {"1..", ".3.", "..."});
    Step(a);
    EXPECT_EQ(3, a.byArray[2][2]) << "sum -1";

    Automaton b = Small(3, 3);
    b.iModuloMode = 2; // derived values still 0: divisor 0
    SetLiveCells(b, {"111", "1.1", "11."});
    Step(b);
    EXPECT_EQ(0, b.byArray[2][2]) << "unreduced 7: Life sends it to 0";

    Automaton c = Small(3, 3);
    c.iModuloMode = 1;
    c.iModuloDefault = 16;
    c.bHomogeneousMode = 0;
    SetLiveCells(c, {"ff.", ".2.", "..."});
    Step(c);
    EXPECT_EQ(2, c.byArray[2][2]) << "30 % 16 = 14: no column";

    Automaton d = Small(3, 3);
    d.iNeighbours[0][0] = 2147483647;
    d.iNeighbours[0][1] = 2147483647;
    d.bHomogeneousMode = 0;
    SetLiveCells(d, {"f..", "f4.", "..."});
    Step(d); // wraps like 32-bit hardware instead of overflowing
    EXPECT_LE(d.byArray[2][2], 15);
}

TEST_P(StepTest, OneDimensionalNeighbourhoodKeepsColumnsApart)
{
    Automaton a = Small(6, 6);
    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::OneDimensional);
    for (auto& s : a.iNumAuto)
        s = 0;
    a.iNumAuto[1] = 1 << 1; // exactly one of the cell and the cells above and below
    a.iNumAuto[0] = (1 << 2) | (1 << 3);
    DecodeRules(a);
    SetLiveCells(a, {"1.....", "1.....", "......", "...1..", "......", "......"});
    Step(a);
    EXPECT_EQ((Rows{"......", "......", "1..1..", "...1..", "...1..", "......"}), LiveCells(a));
}

TEST_P(StepTest, TorusGliderReentersAndThePlaneLosesIt)
{
    const Rows glider = {"..1", "1.1", ".11"};
    for (int geometry : {1, 0}) {
        Automaton a = Small(8, 8);
        a.iGeometryMode = geometry;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                a.byArray[6 + x][3 + y] = static_cast<uint8_t>(glider[y][x] == '1');
        ApplyGeometry(a);
        // 32 generations move the glider 8 cells right and down: once round the 8 x 8 torus.
        const Rows start = LiveCells(a);
        for (int i = 0; i < 32; ++i)
            Step(a);
        if (geometry == 1) {
            EXPECT_EQ(start, LiveCells(a));
        } else {
            int live = 0;
            for (const auto& row : LiveCells(a))
                live += static_cast<int>(std::count(row.begin(), row.end(), '1'));
            EXPECT_NE(start, LiveCells(a));
            EXPECT_LE(live, 4) << "what is left at the edge is at most a block";
            EXPECT_EQ(0, a.byArray[0][4]) << "the plane ring stays empty";
        }
    }
}

TEST_P(StepTest, RefusalAtTheLimitChangesNothing)
{
    Automaton a = Small(5, 5);
    SetLiveCells(a, {"", ".111"});
    a.iLevel = 500;
    a.iTileCol = 2;
    a.iTileX = 77;
    const Rows before = LiveCells(a);
    a.byOldArray[3][3] = 9;
    EXPECT_EQ(0, Step(a));
    EXPECT_EQ(1, a.bLimitReached);
    EXPECT_EQ(500, a.iLevel);
    EXPECT_EQ(before, LiveCells(a));
    EXPECT_EQ(9, a.byOldArray[3][3]);
    EXPECT_EQ(2, a.iTileCol);
    EXPECT_EQ(77, a.iTileX);

    a.iIterLimit = 750;
    EXPECT_EQ(1, Step(a));
    EXPECT_EQ(0, a.bLimitReached);

    a.iIterLimit = -5; // below the level: never met
    a.iLevel = 2147483647;
    EXPECT_EQ(0, Step(a)) << "the level cannot go higher";
    EXPECT_EQ(2147483647, a.iLevel);
}

TEST_P(StepTest, TilesAdvanceAlongRowsAndWrapToTheTop)
{
    Automaton a = Small(13, 13);
    a.iMBitmapClientWidth = 3 * 18 + 1; // pitch 18: three tiles per row
    a.iMBitmapClientHeight = 2 * 18;
    ResetRun(a);
    ASSERT_EQ(3, a.iTilesPerRow);
    ASSERT_EQ(2, a.iTilesPerCol);
    const int expected[][4] = {{1, 0, 23, 5}, {2, 0, 41, 5}, {0, 1, 5, 23}, {1, 1, 23, 23}, {2, 1, 41, 23},
                               {0, 0, 5, 5},  {1, 0, 23, 5}};
    for (const auto& e : expected) {
        Step(a);
        EXPECT_EQ(e[0], a.iTileCol);
        EXPECT_EQ(e[1], a.iTileRow);
        EXPECT_EQ(e[2], a.iTileX);
        EXPECT_EQ(e[3], a.iTileY);
    }

    Automaton s = Small(13, 1);
    s.bDisplaySucc = 1;
    s.iMBitmapVer = 0;
    s.iMBitmapClientWidth = 193;
    s.iMBitmapClientHeight = 100;
    ResetRun(s);
    for (int row = 1; row <= 3; ++row) {
        Step(s);
        EXPECT_EQ(0, s.iTileCol);
        EXPECT_EQ(row, s.iTileRow);
        EXPECT_EQ(5, s.iTileX);
        EXPECT_EQ(5 + row, s.iTileY) << "one pixel row per generation";
    }
}

TEST_P(StepTest, TileCountersSurviveAWindowWithNoWholeTile)
{
    Automaton a = Small(13, 13);
    a.iMBitmapClientHeight = 100; // a window too narrow for one tile
    ResetRun(a);
    ASSERT_EQ(0, a.iTilesPerRow);
    ASSERT_EQ(5, a.iTilesPerCol);
    a.iTileCol = 2147483646;
    a.iIterLimit = 100;
    Step(a);
    EXPECT_EQ(2147483647, a.iTileCol);
    Step(a);
    EXPECT_EQ(0, a.iTileCol);
    EXPECT_EQ(1, a.iTileRow);
    EXPECT_EQ(5, a.iTileX);
}

} // namespace
} // namespace vellicor
