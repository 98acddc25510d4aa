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

// In menu order: the size each demands (placed only when wMaxHor > hor and wMaxVer > ver; 0:
// any size) and the figure on the default 13 x 13 array, columns and rows 4..11 (centre 7, 7).
const struct {
    int32_t command, hor, ver;
    const char* picture;
} kSpecial[] = {
    {123, 3, 3, "........ ........ ...1.... ..111... ...1.... ........ ........ ........"},
    {305, 0, 0, "........ ........ ........ ...11... ...11... ........ ........ ........"},
    {125, 0, 0, "........ ........ ..111... ..1.1... ..111... ........ ........ ........"},
    {130, 4, 4, "........ ........ ..1111.. ..1..1.. ..1..1.. ..1111.. ........ ........"},
    {168, 7, 7, "..1..... ..1..... ..111111 ..1..1.. ..1..1.. 111111.. .....1.. .....1.."},
    {306, 6, 6, "..1..... ..1..... ..11111. ..1.1... 11111... ....1... ....1... ........"},
    {126, 3, 2, "........ ........ ........ ..111... ........ ........ ........ ........"}, // refused at wMaxVer 2
    {131, 5, 2, "........ ........ ........ ..1111.. ........ ........ ........ ........"}, // at wMaxHor 5
    {127, 0, 0, "........ ........ ...1.... ..1.1... ...1.... ........ ........ ........"},
    {129, 2, 4, "........ ........ ...1.... ..1.1... ..1.1... ...1.... ........ ........"},
    {132, 4, 4, "........ ........ ...11... ..1..1.. ..1..1.. ...11... ........ ........"},
};

TEST(SpecialPatterns, EachStartsANewRunWithItsFigureAtTheCentreIfTheArrayIsLargeEnough)
{
    ASSERT_EQ(SpecialPatterns().size(), std::size(kSpecial));
    for (size_t i = 0; i < std::size(kSpecial); ++i) {
        const SpecialPattern& p = SpecialPatterns()[i];
        const size_t cells = static_cast<size_t>(std::ranges::count(std::string_view(kSpecial[i].picture), '1'));
        EXPECT_EQ(p.iCommand, kSpecial[i].command);
        EXPECT_EQ(FindSpecialPattern(p.iCommand), &p);
        Automaton a;
        test::CountingReset reset;
        a.iLevel = 30;
        a.bIncrementalPaint = 1;
        test::FillStorage(a.byArray, 2);
        test::FillStorage(a.byOldArray, 3);
        EXPECT_EQ(PlaceSpecialPattern(a, p, reset.For(a)), EditOutcome::kDone);
        std::string picture;
        for (const std::string& row : Region(a.byArray, 4, 4, 11, 11))
            picture += (picture.empty() ? "" : " ") + row;
        EXPECT_EQ(picture, kSpecial[i].picture);
        EXPECT_EQ(CellsInState(a, 1).size(), cells) << p.iCommand << ": nothing beyond the picture";
        EXPECT_EQ(CellsInState(a, 2).size(), 0u) << p.iCommand << ": the array is cleared, ring included";
        EXPECT_EQ(std::tuple(reset.calls, a.iLevel, a.bIncrementalPaint, int{a.byOldArray[7][7]}),
                  std::tuple(1, 1, 0, 3));

        // Refused at the size limit on either side; accepted one above, where the outermost
        // cells of some figures fall on the ring.
        const int hor = kSpecial[i].hor, ver = kSpecial[i].ver;
        for (const auto& [refusedHor, refusedVer] : {Cell{hor, ver + 1}, Cell{hor + 1, ver}}) {
            if (hor == 0)
                break;
            a.wMaxHor = refusedHor;
            a.wMaxVer = refusedVer;
            test::FillStorage(a.byArray, 2);
            EXPECT_EQ(PlaceSpecialPattern(a, p, reset.For(a)), EditOutcome::kFigureTooLarge) << p.iCommand;
            EXPECT_EQ(CellsInState(a, 2).size(), static_cast<size_t>((refusedHor + 1) * (refusedVer + 1)));
        }
        EXPECT_EQ(std::tuple(reset.calls, a.iLevel), std::tuple(1, 1));
        a.wMaxHor = std::max(hor + 1, 2);
        a.wMaxVer = std::max(ver + 1, 2);
        test::FillStorage(a.byArray, 2);
        EXPECT_EQ(PlaceSpecialPattern(a, p, reset.For(a)), EditOutcome::kDone) << p.iCommand;
        EXPECT_EQ(CellsInState(a, 1).size(), cells) << p.iCommand;
        EXPECT_TRUE(test::SentinelIntact(a.byArray, a, 2)) << p.iCommand;

        a.wMaxHor = a.wMaxVer = 1; // no live cell: a figure without condition stays in the array
        test::FillStorage(a.byArray, 2);
        PlaceSpecialPattern(a, p, {});
        EXPECT_TRUE(test::SentinelIntact(a.byArray, a, 2)) << p.iCommand;
    }
    EXPECT_EQ(FindSpecialPattern(124), nullptr);
}

TEST(SpecialPatterns, TheCentreOfOddAndEvenSizesAndFiguresOnTheRing)
{
    Automaton a; // 14 live columns, 15 live rows: centre (7, 8)
    a.wMaxHor = 15;
    a.wMaxVer = 16;
    PlaceSpecialPattern(a, *FindSpecialPattern(130), {});
    EXPECT_EQ(Region(a.byArray, 5, 6, 10, 11), (Picture{"......", ".1111.", ".1..1.", ".1..1.", ".1111.", "......"}));

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
    EXPECT_EQ(std::tuple(m.a.iLevel, int{m.a.byOldArray[6][5]}, m.s.bCellHighlight), std::tuple(17, 2, 0));

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

    // Every pattern in the bottom-right corner: its cells, its box cleared, not one cell more.
    ASSERT_EQ(LifePatterns().size(), 29u);
    int32_t command = 420;
    for (const LifePattern& p : LifePatterns()) {
        EXPECT_EQ(p.iCommand, command++);
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
    EXPECT_EQ(FindLifePattern(449), nullptr);
    for (const auto& [x, y] : {Cell{-1, 3}, Cell{INT_MIN, 2}, Cell{200, 2}, Cell{2, INT_MAX}}) {
        Marked m(x, y, 4);
        EXPECT_EQ(m.Place(426), EditOutcome::kObjectOverlaps);
        EXPECT_TRUE(CellsInState(m.a, 1).empty());
    }
}

} // namespace
} // namespace vellicor
