#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "tests/engine/CellText.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

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

Automaton Small(int columns, int rows, const Rows& cells = {})
{
    Automaton a;
    a.wMaxHor = columns + 1;
    a.wMaxVer = rows + 1;
    ResetRun(a);
    SetLiveCells(a, cells);
    return a;
}

void OnlyRule(Automaton& a, int state, int32_t mask)
{
    for (auto& s : a.iNumAuto)
        s = 0;
    a.iNumAuto[state] = mask;
    DecodeRules(a);
}

TEST_P(StepTest, BlinkerOscillatesAndBlockStands)
{
    Automaton a = Small(5, 5, {"", "", ".111"});
    ASSERT_EQ(1, Step(a));
    EXPECT_EQ((Rows{".....", "..1..", "..1..", "..1..", "....."}), LiveCells(a));
    EXPECT_EQ(0, IsStable(a));
    ASSERT_EQ(1, Step(a));
    EXPECT_EQ((Rows{".....", ".....", ".111.", ".....", "....."}), LiveCells(a));
    EXPECT_EQ(0, IsStable(a));
    EXPECT_EQ(3, a.iLevel);

    Automaton b = Small(4, 4, {"", ".11", ".11"});
    Step(b);
    EXPECT_EQ((Rows{"....", ".11.", ".11.", "...."}), LiveCells(b));
    EXPECT_EQ(1, IsStable(b));
}

TEST_P(StepTest, HighestClaimingStateWins)
{
    Automaton a = Small(5, 5, {"", ".1.", "1.1"});
    ApplyAutomatonPreset(a, 196); // sum 3: state 0 (297) and state 7 (10)
    Step(a);
    EXPECT_EQ(7, a.byArray[2][3]) << "three neighbours";

    Automaton b = Small(5, 5, {"111", "1.1", "11."});
    ApplyAutomatonPreset(b, 195); // sum 7: state 0 (385) and state 3 (128)
    Step(b);
    EXPECT_EQ(3, b.byArray[2][2]) << "seven neighbours";
}

TEST_P(StepTest, ACellWithoutARuleKeepsItsState)
{
    // "32-4": only sums 5 (state 0) and 2 (state 1) have rules. The 3 and the f see one
    // neighbour each and keep states that no rule produces; the two cells beside both are born.
    Automaton a = Small(5, 5, {"3", ".f"});
    ApplyAutomatonPreset(a, 198);
    Step(a);
    EXPECT_EQ((Rows{"31...", "1f...", ".....", ".....", "....."}), LiveCells(a));
}

TEST_P(StepTest, WeightedSumsOfStateValues)
{
    Automaton a = Small(3, 3, {"34", "5"});
    a.bHomogeneousMode = 0;
    OnlyRule(a, 9, 1 << 2); // sum 2 gives 9; the other sums keep their cells
    Step(a);
    EXPECT_EQ((Rows{"34.", "59.", "..."}), LiveCells(a)) << "3 + 4 + 5 = 12, reduced to 2";
}

TEST_P(StepTest, ModuloNeighboursCountsWithoutTheIncrement)
{
    Automaton a = Small(3, 3, {"111", "111", "111"});
    a.iNumAuto[2] = 1; // sum 0 gives 2, above Life's 0
    DecodeRules(a);
    a.iModuloMode = 3;
    ComputeModuloValues(a);
    ASSERT_EQ(8, ModuloDivisor(a));
    Step(a);
    EXPECT_EQ((Rows{"1.1", ".2.", "1.1"}), LiveCells(a)) << "the centre: 8 % 8 = 0; corners 3, edges 5";
}

TEST_P(StepTest, SumsOutsideTheRuleTableOrPast32BitsAreExact)
{
    // Negative remainders, unreduced sums above 9 (divisor 0) and remainders above 9 pick no
    // rule; sums wrap like 32-bit hardware. Each case tells the right result from the likely
    // wrong ones in the comment.
    struct Case {
        const char* what;
        int32_t homogeneous, upLeft, left, mode, userDivisor;
        Rows cells;
        int centre;
    } cases[] = {
        {"-1: kept (read as 1, it would die)", 1, -1, 1, 0, 10, {"1..", ".3."}, 3},
        {"divisor 0, 7: dies (kept would be 1)", 1, 10, 1, 2, 10, {".11", "111", "111"}, 0},
        {"divisor 0, 10 + 3 = 13: kept (reduced by 10, born)", 1, 10, 1, 2, 10, {"111", "1.."}, 0},
        {"30 % 16 = 14: kept (reduced by 10, dies)", 0, 1, 1, 1, 16, {"ff.", ".2."}, 2},
        {"4 * 2^30 + 3 wraps to 3: born (unwrapped % 10 = 9, kept)", 0, 1 << 30, 3, 0, 10, {"4..", "1.."}, 1},
        {"INT32_MIN % -1 = 0: dies (unreduced, kept)", 1, INT_MIN, 1, 1, -1, {"1..", ".1."}, 0},
    };
    for (const Case& c : cases) {
        Automaton a = Small(3, 3, c.cells);
        a.bHomogeneousMode = c.homogeneous;
        a.iNeighbours[0][0] = c.upLeft;
        a.iNeighbours[0][1] = c.left;
        a.iModuloMode = c.mode; // mode 2 with the derived values still 0: divisor 0
        a.iModuloDefault = c.userDivisor;
        Step(a);
        EXPECT_EQ(c.centre, a.byArray[2][2]) << c.what;
    }
}

TEST_P(StepTest, OneDimensionalNeighbourhoodKeepsColumnsApart)
{
    Automaton a = Small(6, 6, {"1.....", "1.....", "......", "...1.."});
    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::OneDimensional);
    OnlyRule(a, 0, (1 << 2) | (1 << 3));
    a.iNumAuto[1] = 1 << 1; // exactly one of the cell and the cells above and below
    DecodeRules(a);
    Step(a);
    EXPECT_EQ((Rows{"......", "......", "1..1..", "...1..", "...1..", "......"}), LiveCells(a));
}

TEST_P(StepTest, TorusGliderReentersAndThePlaneTurnsItIntoABlock)
{
    const Rows glider = {"", "", ".......1", ".....1.1", "......11"};
    for (int geometry : {1, 0}) {
        Automaton a = Small(8, 8, glider);
        a.iGeometryMode = geometry;
        ApplyGeometry(a);
        // 32 generations move the glider 8 cells right and down: once round the 8 x 8 torus.
        const Rows start = LiveCells(a);
        for (int i = 0; i < 32; ++i)
            Step(a);
        if (geometry == 1)
            EXPECT_EQ(start, LiveCells(a));
        else
            EXPECT_EQ((Rows{"........", "........", "........", "......11", "......11", "........", "........",
                            "........"}),
                      LiveCells(a));
    }
}

TEST_P(StepTest, RefusalAtTheLimitChangesNothing)
{
    Automaton a = Small(5, 5, {"", ".111"});
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
    a.iLevel = INT_MAX;
    EXPECT_EQ(0, Step(a)) << "the level cannot go higher";
    EXPECT_EQ(INT_MAX, a.iLevel);
}

TEST_P(StepTest, TilesAdvanceAlongRowsAndWrapToTheTop)
{
    Automaton a = Small(13, 13);
    a.iMBitmapClientWidth = 3 * 18 + 1; // pitch 18: three tiles per row
    a.iMBitmapClientHeight = 2 * 18;
    ResetRun(a);
    ASSERT_EQ(3, a.iTilesPerRow);
    ASSERT_EQ(2, a.iTilesPerCol);
    // {column, row, x, y} after each step
    const int expected[][4] = {{1, 0, 23, 5}, {2, 0, 41, 5}, {0, 1, 5, 23}, {1, 1, 23, 23}, {2, 1, 41, 23},
                               {0, 0, 5, 5},  {1, 0, 23, 5}};
    for (const auto& e : expected) {
        Step(a);
        EXPECT_EQ(std::tuple(e[0], e[1], e[2], e[3]), std::tuple(a.iTileCol, a.iTileRow, a.iTileX, a.iTileY));
    }

    Automaton s = Small(13, 1);
    s.bDisplaySucc = 1;
    s.iMBitmapVer = 0;
    s.iMBitmapClientWidth = 193;
    s.iMBitmapClientHeight = 100;
    ResetRun(s);
    for (int row = 1; row <= 3; ++row) {
        Step(s);
        EXPECT_EQ(std::tuple(0, row, 5, 5 + row), std::tuple(s.iTileCol, s.iTileRow, s.iTileX, s.iTileY))
            << "one pixel row per generation";
    }

    Automaton narrow = Small(13, 13);
    narrow.iMBitmapClientHeight = 100; // a window too narrow for one tile: no column ever ends a row
    ResetRun(narrow);
    ASSERT_EQ(0, narrow.iTilesPerRow);
    narrow.iTileCol = INT_MAX - 1;
    Step(narrow);
    EXPECT_EQ(INT_MAX, narrow.iTileCol);
    Step(narrow);
    EXPECT_EQ(std::tuple(0, 1, 5), std::tuple(narrow.iTileCol, narrow.iTileRow, narrow.iTileX));
}

} // namespace
} // namespace vellicor
