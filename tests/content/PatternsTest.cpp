#include "content/Patterns.h"

#include "tests/content/ContentTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace vellicor {
namespace {

using test::Cell;
using test::CellsInState;
using test::Picture;
using test::Region;

// The distinct offsets of a figure, and through count every cell the runs name.
std::set<Cell> Offsets(std::span<const CellRun> runs, size_t& count)
{
    std::set<Cell> cells;
    count = 0;
    for (const CellRun& run : runs)
        for (int dx = run.dxFirst; dx <= run.dxLast; ++dx, ++count)
            cells.insert({dx, run.dy});
    return cells;
}

TEST(PatternTables, CellCountsAndBoxesMatchTheTables)
{
    std::vector<int32_t> commands;
    for (const SpecialPattern& p : SpecialPatterns()) {
        commands.push_back(p.iCommand);
        size_t count = 0;
        const std::set<Cell> cells = Offsets(p.runs, count);
        EXPECT_EQ(count, static_cast<size_t>(p.iCells)) << p.iCommand;
        EXPECT_EQ(cells.size(), count) << p.iCommand;
        int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
        for (const auto& [x, y] : cells) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        EXPECT_EQ(maxX - minX + 1, p.iWidth) << p.iCommand; // the size in the menu text
        EXPECT_EQ(maxY - minY + 1, p.iHeight) << p.iCommand;
        EXPECT_EQ(FindSpecialPattern(p.iCommand), &p);
    }
    EXPECT_EQ(commands, (std::vector<int32_t>{123, 305, 125, 130, 168, 306, 126, 131, 127, 129, 132}));

    int32_t command = kFirstLifePatternCommand;
    for (const LifePattern& p : LifePatterns()) {
        EXPECT_EQ(p.iCommand, command++);
        size_t count = 0;
        const std::set<Cell> cells = Offsets(p.runs, count);
        EXPECT_EQ(count, static_cast<size_t>(p.iCells)) << p.name;
        EXPECT_EQ(cells.size(), count) << p.name;
        for (const auto& [x, y] : cells)
            EXPECT_TRUE(x >= 0 && x < p.iBoxWidth && y >= 0 && y < p.iBoxHeight) << p.name << " " << x << "," << y;
    }
    EXPECT_EQ(command, kLastLifePatternCommand + 1);
    EXPECT_EQ(FindSpecialPattern(124), nullptr);
    EXPECT_EQ(FindLifePattern(449), nullptr);
}

TEST(SpecialPatterns, StartANewRunWithTheFigureAtTheCentre)
{
    Automaton a;
    test::CountingReset reset;
    a.iLevel = 30;
    a.bIncrementalPaint = 1;
    test::FillStorage(a.byArray, 2);
    EXPECT_EQ(PlaceSpecialPattern(a, *FindSpecialPattern(123), reset.For(a)), EditOutcome::kDone);
    EXPECT_EQ(reset.calls, 1);
    EXPECT_EQ(a.iLevel, 1);
    EXPECT_EQ(a.bIncrementalPaint, 0);
    EXPECT_EQ(CellsInState(a, 1), (std::set<Cell>{{7, 6}, {6, 7}, {7, 7}, {8, 7}, {7, 8}}));
    EXPECT_TRUE(CellsInState(a, 2).empty());

    PlaceSpecialPattern(a, *FindSpecialPattern(130), {});
    EXPECT_EQ(Region(a.byArray, 5, 5, 10, 10), (Picture{"......", ".1111.", ".1..1.", ".1..1.", ".1111.", "......"}));

    for (const int size : {15, 16}) { // the screw, on even and odd live sizes
        a.wMaxHor = a.wMaxVer = size;
        PlaceSpecialPattern(a, *FindSpecialPattern(168), {});
        const int c = size / 2;
        EXPECT_EQ(Region(a.byArray, c - 3, c - 3, c + 4, c + 4),
                  (Picture{"..1.....", "..1.....", "..111111", "..1..1..", "..1..1..", "111111..", ".....1..", ".....1.."}));
    }
}

TEST(SpecialPatterns, EachSizeConditionRefusesAtItsLimitAndAcceptsOneAbove)
{
    for (const SpecialPattern& p : SpecialPatterns()) {
        Automaton a;
        test::CountingReset reset;
        if (p.iMinMaxHor > 0) {
            for (const auto& [hor, ver] : {Cell{p.iMinMaxHor, p.iMinMaxVer + 1}, Cell{p.iMinMaxHor + 1, p.iMinMaxVer}}) {
                a.wMaxHor = hor;
                a.wMaxVer = ver;
                test::FillStorage(a.byArray, 2);
                a.iLevel = 7;
                EXPECT_EQ(PlaceSpecialPattern(a, p, reset.For(a)), EditOutcome::kFigureTooLarge) << p.iCommand;
                EXPECT_EQ(a.iLevel, 7);
                EXPECT_EQ(CellsInState(a, 2).size(), static_cast<size_t>((hor + 1) * (ver + 1)));
            }
            EXPECT_EQ(reset.calls, 0);
        }
        a.wMaxHor = std::max(p.iMinMaxHor + 1, 2);
        a.wMaxVer = std::max(p.iMinMaxVer + 1, 2);
        test::FillStorage(a.byArray, 2);
        EXPECT_EQ(PlaceSpecialPattern(a, p, reset.For(a)), EditOutcome::kDone) << p.iCommand;
        EXPECT_EQ(CellsInState(a, 1).size(), static_cast<size_t>(p.iCells)) << p.iCommand;
        EXPECT_TRUE(test::SentinelIntact(a.byArray, a, 2)) << p.iCommand;

        a.wMaxHor = a.wMaxVer = 1; // no live cell: a figure without condition stays in the array
        test::FillStorage(a.byArray, 2);
        PlaceSpecialPattern(a, p, {});
        EXPECT_TRUE(test::SentinelIntact(a.byArray, a, 2)) << p.iCommand;
    }
}

TEST(SpecialPatterns, SmallArraysPutTheOuterCellsOnTheRing)
{
    Automaton square; // one live cell, the square all around it on the ring
    square.wMaxHor = square.wMaxVer = 2;
    PlaceSpecialPattern(square, *FindSpecialPattern(125), {});
    EXPECT_EQ(Region(square.byArray, 0, 0, 2, 2), (Picture{"111", "1.1", "111"}));
    square.iGeometryMode = 1; // in the torus the ring copies the empty cell at once
    PlaceSpecialPattern(square, *FindSpecialPattern(125), {});
    EXPECT_EQ(Region(square.byArray, 0, 0, 2, 2), (Picture{"...", "...", "..."}));

    Automaton hexagon; // 2 columns, 4 rows: the figure's left column is ring column 0
    hexagon.wMaxHor = 3;
    hexagon.wMaxVer = 5;
    EXPECT_EQ(PlaceSpecialPattern(hexagon, *FindSpecialPattern(129), {}), EditOutcome::kDone);
    EXPECT_EQ(Region(hexagon.byArray, 0, 0, 3, 5), (Picture{"....", ".1..", "1.1.", "1.1.", ".1..", "...."}));
}

struct Marked {
    Automaton a;
    Selection s;
    Marked(int x, int y, uint8_t fill)
    {
        s.iPointX = x;
        s.iPointY = y;
        s.bCellHighlight = 1;
        test::FillStorage(a.byArray, fill);
        test::FillStorage(a.byOldArray, fill);
    }
    EditOutcome Place(int32_t command) { return PlaceLifePattern(a, s, *FindLifePattern(command)); }
};

TEST(LifePatterns, OverwriteTheirWholeBoxAndNothingElse)
{
    Marked m(5, 5, 2);
    m.a.iLevel = 17;
    EXPECT_EQ(m.Place(420), EditOutcome::kDone);
    EXPECT_EQ(Region(m.a.byArray, 4, 4, 8, 8), (Picture{"22222", "2.1.2", "2..12", "21112", "22222"}));
    EXPECT_EQ(m.a.iLevel, 17);
    EXPECT_EQ(m.a.byOldArray[6][5], 2);
    EXPECT_EQ(m.s.bCellHighlight, 0);

    Marked shuttle(1, 1, 3);
    shuttle.Place(446);
    EXPECT_EQ(Region(shuttle.a.byArray, 1, 1, 5, 8),
              (Picture{"1...3", "11..3", ".11.3", ".1113", ".11.3", "11..3", "1...3", "33333"}));
}

TEST(LifePatterns, BoxMustEndOnTheLastLiveColumnAndRow)
{
    Marked big(65, 1, 0);
    big.a.wMaxHor = big.a.wMaxVer = 101;
    EXPECT_EQ(big.Place(421), EditOutcome::kDone);
    big.s.iPointX = 66;
    big.s.bCellHighlight = 1;
    EXPECT_EQ(big.Place(421), EditOutcome::kObjectOverlaps);
    EXPECT_EQ(big.s.bCellHighlight, 1);

    for (const LifePattern& p : LifePatterns()) {
        Marked m(std::max(14 - p.iBoxWidth, 1), std::max(14 - p.iBoxHeight, 1), 5);
        if (p.iBoxWidth > 13 || p.iBoxHeight > 13) {
            EXPECT_EQ(m.Place(p.iCommand), EditOutcome::kObjectOverlaps) << p.name;
            continue;
        }
        ASSERT_EQ(m.Place(p.iCommand), EditOutcome::kDone) << p.name;
        EXPECT_EQ(CellsInState(m.a, 1).size(), static_cast<size_t>(p.iCells)) << p.name;
        EXPECT_EQ(CellsInState(m.a, 5).size(), static_cast<size_t>(15 * 15 - p.iBoxWidth * p.iBoxHeight)) << p.name;
        for (const Cell& shift : {Cell{1, 0}, Cell{0, 1}}) {
            Marked beyond(m.s.iPointX + shift.first, m.s.iPointY + shift.second, 5);
            EXPECT_EQ(beyond.Place(p.iCommand), EditOutcome::kObjectOverlaps) << p.name;
        }
    }
    for (const auto& [x, y] : {Cell{-1, 3}, Cell{INT_MIN, 2}, Cell{200, 2}, Cell{2, INT_MAX}}) {
        Marked m(x, y, 4);
        EXPECT_EQ(m.Place(426), EditOutcome::kObjectOverlaps);
        EXPECT_TRUE(CellsInState(m.a, 1).empty());
    }
}

} // namespace
} // namespace vellicor
