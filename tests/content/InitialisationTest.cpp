#include "content/Initialisation.h"

#include "content/LegacyRandom.h"
#include "engine/Step.h"
#include "tests/content/ContentTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

namespace vellicor {
namespace {

using test::Cell;
using test::CellsInState;
using test::Region;

TEST(StandardFigure, RowOfThreeWithOneBelowAtTheCentreOfOddEvenAndEmptyArrays)
{
    struct Case {
        int maxHor, maxVer;
        std::set<Cell> cells;
    };
    // 14: odd live width, the middle column; 13: even, the left one of the two middle columns.
    // 1: no live cell, centre 0: the cell at column -1 is dropped, the rest land on the ring.
    for (const Case& c : {Case{14, 14, {{6, 7}, {7, 7}, {8, 7}, {7, 8}}}, Case{13, 13, {{5, 6}, {6, 6}, {7, 6}, {6, 7}}},
                          Case{1, 1, {{0, 0}, {1, 0}, {0, 1}}}}) {
        Automaton a;
        a.wMaxHor = c.maxHor;
        a.wMaxVer = c.maxVer;
        test::FillStorage(a.byArray, 2);
        test::FillStorage(a.byOldArray, 2);
        InitStandard(a);
        EXPECT_EQ(CellsInState(a, 1), c.cells) << c.maxHor;
        EXPECT_EQ(CellsInState(a, 2).size(), 0u);
        EXPECT_TRUE(test::SentinelIntact(a.byArray, a, 2));
        EXPECT_EQ(a.byOldArray[1][1], 2); // Standard leaves the previous generation; Null clears it
        InitNull(a);
        EXPECT_EQ(a.byOldArray[1][1] + a.byOldArray[0][0], 0);
        EXPECT_TRUE(test::SentinelIntact(a.byOldArray, a, 2));
    }
}

TEST(RandomFill, FollowsTheCRuntimeSequenceAndFillsInStateOrder)
{
    LegacyRandom random(1);
    for (const int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
        EXPECT_EQ(random.Next(), expected);

    Automaton a;
    Content content;
    content.iRandomCount[15] = 100;
    content.iRandomCount[7] = 69;
    FillInCountOrder(a, content);
    for (int index = 0; index < 169; ++index)
        ASSERT_EQ(a.byArray[1 + index / 13][1 + index % 13], index < 69 ? 7 : 15) << index;

    // Worked by hand from seed 7 on 3 x 2 live cells, three of each state: column drawn first.
    Automaton small;
    small.wMaxHor = 4;
    small.wMaxVer = 3;
    Content halves;
    halves.iRandomCount[0] = halves.iRandomCount[1] = 3;
    InitRandom(small, halves, 7);
    EXPECT_EQ(Region(small.byArray, 1, 1, 3, 2), (test::Picture{".1.", "1.1"}));
}

TEST(RandomFill, KeepsExactCountsAndLeavesRingOldArrayAndEmptyArrays)
{
    const auto liveInState = [](const Automaton& a, int state) { // of the default 13 x 13
        return std::ranges::count_if(CellsInState(a, state), [](Cell c) {
            return std::min(c.first, c.second) >= 1 && std::max(c.first, c.second) <= 13;
        });
    };
    for (const uint32_t seed : {0u, 1u, 1700000000u, 0xffffffffu}) {
        Automaton a;
        Content content;
        ResetRandomCounts(content, a);
        test::FillStorage(a.byArray, 5);
        test::FillStorage(a.byOldArray, 6);
        InitRandom(a, content, seed);
        EXPECT_EQ(std::tuple(liveInState(a, 0), liveInState(a, 1)), std::tuple(84, 85));
        EXPECT_EQ(CellsInState(a, 5).size(), 15u * 15u - 13u * 13u); // the ring
        EXPECT_EQ(a.byOldArray[5][5], 6);
    }
    Automaton a;
    Content content;
    content.iRandomCount[3] = 169;
    InitRandom(a, content, 99);
    EXPECT_EQ(liveInState(a, 3), 169);

    Automaton empty; // no live column: nothing to fill, no remainder by zero
    empty.wMaxHor = 1;
    test::FillStorage(empty.byArray, 4);
    ResetRandomCounts(content, empty);
    InitRandom(empty, content, 3);
    EXPECT_EQ(CellsInState(empty, 4).size(), 2u * 15u);

    // The default counts: half and half, the larger half in state 1, whatever the size says.
    for (const auto& [hor, ver, zeros, ones] : {std::array{101, 101, 5000, 5000}, std::array{4, 4, 4, 5},
                                                std::array{1, 14, 0, 0}, std::array{-7, 500, 0, 0}}) {
        a.wMaxHor = hor;
        a.wMaxVer = ver;
        content.iRandomCount[9] = 12;
        ResetRandomCounts(content, a);
        EXPECT_EQ(std::tuple(content.iRandomCount[0], content.iRandomCount[1], content.iRandomCount[9]),
                  std::tuple(zeros, ones, 0));
    }
}

TEST(ArrayFill, CentredWithOddSpaceRightAndDownAndSizesClamped)
{
    struct Case {
        int width, height;
        test::Picture rows; // columns 4..9, rows 5..8
    };
    for (const Case& c : {Case{4, 2, {"......", ".1111.", ".1111.", "......"}},
                          Case{2, 1, {"......", "......", "..11..", "......"}}, Case{0, 5, {"......", "......"}},
                          Case{500, -3, {"......"}}}) {
        Automaton a;
        Content content;
        content.iArrayFillHorMax = c.width;
        content.iArrayFillVerMax = c.height;
        test::FillStorage(a.byArray, 8);
        InitArrayFill(a, content);
        EXPECT_EQ(Region(a.byArray, 4, 5, 9, 4 + static_cast<int>(c.rows.size())), c.rows) << c.width;
        EXPECT_TRUE(test::SentinelIntact(a.byArray, a, 8));
    }
    Automaton torus;
    torus.iGeometryMode = 1;
    Content all;
    all.iArrayFillHorMax = all.iArrayFillVerMax = 13;
    for (int i = 0; i < 10; ++i)
        ComputeNextGeneration(torus);
    InitArrayFill(torus, all);
    EXPECT_EQ(CellsInState(torus, 1).size(), 15u * 15u); // the ring too
    ComputeNextGeneration(torus);
    EXPECT_EQ(torus.iLevel, 12); // the run goes on
}

TEST(ArraySize, NewSizeResetsClearsAndDrawsTheStandardFigure)
{
    Automaton a;
    Content content;
    CellGeometry cells;
    cells.iArrayClientWidth = 300;
    cells.iArrayClientHeight = 400;
    test::CountingReset reset;
    test::FillStorage(a.byArray, 3);
    test::FillStorage(a.byOldArray, 3);
    a.iLevel = 9;
    EXPECT_EQ(SetArraySize(a, content, cells, 20, 10, reset.For(a)), ArraySizeChange::kResized);
    EXPECT_EQ(std::tuple(reset.calls, a.iLevel, a.wMaxHor, a.wMaxVer), std::tuple(1, 1, 21, 11));
    EXPECT_EQ(CellsInState(a, 1), (std::set<Cell>{{9, 5}, {10, 5}, {11, 5}, {10, 6}}));
    EXPECT_EQ(a.byOldArray[10][5], 0);
    EXPECT_EQ(std::tuple(cells.iCellWidth, a.iTilePitchX), std::tuple(290 / 23, 21 + 5 - 1));

    // The same size again keeps the cells and the level, but not the Random counts.
    a.iLevel = 40;
    content.iRandomCount[0] = 3;
    EXPECT_EQ(SetArraySize(a, content, cells, 20, 10, reset.For(a)), ArraySizeChange::kUnchanged);
    EXPECT_EQ(std::tuple(reset.calls, a.iLevel, content.iRandomCount[0]), std::tuple(1, 40, 100));
    EXPECT_EQ(CellsInState(a, 1).size(), 4u);

    SetArraySize(a, content, cells, 500, -3, {}); // the dialog never passes these
    EXPECT_EQ(std::tuple(a.wMaxHor, a.wMaxVer), std::tuple(101, 1));
}

TEST(ArraySize, FixedCellSizeIsAdjustedOnlyWhenTheArrayNoLongerFits)
{
    Automaton a;
    Content content;
    CellGeometry cells;
    cells.bDynamicCell = 0;
    cells.iArrayClientWidth = cells.iArrayClientHeight = 500;
    EXPECT_EQ(SetArraySize(a, content, cells, 24, 24, {}), ArraySizeChange::kResized); // 25 * 19 = 475
    EXPECT_EQ(cells.iCellWidth, 19);
    EXPECT_EQ(SetArraySize(a, content, cells, 25, 24, {}), ArraySizeChange::kResizedCellsAdjusted);
    EXPECT_EQ(std::tuple(cells.iCellWidth, cells.bDynamicCell), std::tuple(490 / 28, 0));
    cells.iArrayClientWidth = cells.iArrayClientHeight = 0; // no window recorded: nothing fits
    EXPECT_EQ(SetArraySize(a, content, cells, 100, 100, {}), ArraySizeChange::kResizedCellsAdjusted);
    EXPECT_EQ(cells.iCellWidth, 1);
}

TEST(CellSize, DividesTheSmallerAvailableSideAndNeverGoesBelowOne)
{
    // {wMaxHor, wMaxVer, client width, client height, cell size}
    for (const auto& [hor, ver, width, height, expected] :
         {std::array{14, 14, 300, 400, 18}, std::array{14, 14, 400, 300, 18},
          std::array{101, 11, 300, 400, 2}, // by the smaller side, not by the smaller quotient
          std::array{14, 14, 10, 500, 1}, std::array{14, 14, 0, 0, 1}, std::array{-2, -2, 60, 60, 16}}) {
        Automaton a;
        a.wMaxHor = hor;
        a.wMaxVer = ver;
        CellGeometry cells;
        cells.iArrayClientWidth = width;
        cells.iArrayClientHeight = height;
        ComputeCellSize(cells, a);
        EXPECT_EQ(cells.iCellWidth, expected) << hor << " " << width << "x" << height;
        cells.bDynamicCell = 0;
        cells.iCellWidth = -4;
        ComputeCellSize(cells, a);
        EXPECT_EQ(cells.iCellWidth, -4) << "a fixed cell size is the user's";
    }
}

} // namespace
} // namespace vellicor
