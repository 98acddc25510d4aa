#include "content/Selection.h"

#include "tests/content/ContentTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace vellicor {
namespace {

using test::Paint;
using test::Picture;
using test::Rectangle;
using test::Region;

using Operation = void (*)(Automaton&, Selection&);
constexpr Operation kRectangleOperations[] = {ZeroStateSelection, IncrementSelection, DecrementSelection,
                                              VerticalSymmetry,   HorizontalSymmetry, CentralSymmetry};

TEST(SelectionAvailability, FollowsPointRectangleAndCopy)
{
    std::map<int32_t, bool> menu; // the shell's model: ids listed when first changed
    auto apply = [&menu](SelectionEvent event) {
        for (const CommandAvailability& change : SelectionCommandChanges(event))
            menu[change.iCommand] = change.bEnabled;
        std::vector<int32_t> enabled; // the Life patterns as 420..448 when all are enabled
        int lifeEnabled = 0;
        for (const auto& [id, on] : menu)
            if (on && id >= 420)
                ++lifeEnabled;
            else if (on)
                enabled.push_back(id);
        if (lifeEnabled == 29)
            enabled.push_back(420448);
        EXPECT_TRUE(lifeEnabled == 0 || lifeEnabled == 29);
        return enabled;
    };
    EXPECT_EQ(apply(SelectionEvent::kArrayWindowCreated), (std::vector<int32_t>{}));
    EXPECT_EQ(menu.size(), 10u + 29u);
    EXPECT_EQ(apply(SelectionEvent::kPointMarked), (std::vector<int32_t>{401, 405, 420448}));
    EXPECT_EQ(apply(SelectionEvent::kRectangleSelected), (std::vector<int32_t>{402, 404, 406, 408, 409, 410, 411, 412}));
    EXPECT_EQ(apply(SelectionEvent::kCopied), (std::vector<int32_t>{402, 406, 408, 409, 410, 411, 412}));
    EXPECT_EQ(apply(SelectionEvent::kArrayWindowDestroyed), (std::vector<int32_t>{}));
}

TEST(SelectionGestures, ClickMarksThePointAndDragSelectsTheRectangle)
{
    Selection s;
    CellGeometry cells; // 19-pixel cells, origin 10
    PressOnCell(s, 4, 6);
    EXPECT_EQ(ReleaseOnCell(s, 4, 6, true, cells), SelectionEvent::kPointMarked);
    EXPECT_EQ(std::tuple(s.iPointX, s.iPointY, s.bCellHighlight), std::tuple(4, 6, 1));
    EXPECT_EQ(std::tuple(s.iHighlightX, s.iHighlightY, s.iHighlightWidth), std::tuple(10 + 4 * 19, 10 + 6 * 19, 19));

    PressOnCell(s, 2, 3);
    EXPECT_EQ(ReleaseOnCell(s, 5, 4, true, cells), SelectionEvent::kRectangleSelected);
    EXPECT_EQ(std::tuple(s.iSelStartX, s.iSelStartY, s.iSelEndX, s.iSelEndY), std::tuple(2, 3, 5, 4));
    EXPECT_EQ(std::tuple(s.iHighlightX, s.iHighlightWidth, s.iHighlightHeight), std::tuple(10 + 2 * 19, 4 * 19, 2 * 19));
    EXPECT_EQ(std::tuple(s.bRectHighlight, s.bCellHighlight, s.iPointX), std::tuple(1, 0, 4)); // point kept

    PressOnCell(s, 8, 8); // upwards and leftwards: stored as dragged
    ReleaseOnCell(s, 5, 5, true, cells);
    EXPECT_EQ(std::tuple(s.iSelStartX, s.iSelEndX), std::tuple(8, 5));
    EXPECT_LE(s.iHighlightWidth, 0);
    EXPECT_EQ(ReleaseOnCell(s, 2, 2, false, cells), std::nullopt); // no press in the window
    EXPECT_EQ(s.iSelEndX, 5);
    EXPECT_TRUE(RemoveHighlight(s));
    EXPECT_FALSE(RemoveHighlight(s));
}

TEST(SelectionCells, IncrementAndDecrementWrapInBothArrays)
{
    Automaton a;
    Paint(a.byArray, 2, 2, {"ef.1"});
    Paint(a.byOldArray, 2, 2, {"ef.1"});
    Paint(a.byArray, 2, 3, {"353"});
    Paint(a.byOldArray, 2, 3, {"f.."}); // after a generation the arrays differ
    Selection inc = Rectangle(2, 2, 3, 3);
    IncrementSelection(a, inc);
    EXPECT_EQ(Region(a.byArray, 2, 2, 3, 3), (Picture{"f.", "46"}));
    EXPECT_EQ(Region(a.byOldArray, 2, 2, 3, 3), (Picture{"f.", ".1"})); // never a state above 15
    EXPECT_EQ(std::tuple(inc.bRectHighlight, inc.iSelEndX), std::tuple(0, 3));
    Selection dec = Rectangle(4, 2, 5, 3);
    DecrementSelection(a, dec);
    EXPECT_EQ(Region(a.byArray, 4, 2, 5, 3), (Picture{"f.", "2f"}));
    EXPECT_EQ(Region(a.byOldArray, 4, 2, 5, 3), (Picture{"f.", "ff"})); // 3 over 0 gives 2 over 15, never 255
}

TEST(SelectionCells, ZeroStateAndSymmetriesMatchTheWorkedExamples)
{
    Automaton a;
    test::FillStorage(a.byArray, 6);
    Paint(a.byArray, 1, 1, {"123", "456", "1234", "12", "34", "56"});
    Selection vertical = Rectangle(1, 1, 3, 2);
    VerticalSymmetry(a, vertical);
    EXPECT_EQ(Region(a.byArray, 1, 1, 3, 2), (Picture{"321", "654"}));
    EXPECT_EQ(Region(a.byOldArray, 1, 1, 3, 2), (Picture{"3.1", "6.4"})); // receives the new values
    Selection four = Rectangle(1, 3, 4, 3);
    VerticalSymmetry(a, four);
    EXPECT_EQ(Region(a.byArray, 1, 3, 4, 3), (Picture{"4321"}));
    Selection horizontal = Rectangle(1, 4, 2, 6);
    HorizontalSymmetry(a, horizontal);
    EXPECT_EQ(Region(a.byArray, 1, 4, 2, 6), (Picture{"56", "34", "12"}));

    Automaton c;
    Paint(c.byArray, 3, 3, {"123", "456", "", "12", "34"});
    Selection central = Rectangle(3, 3, 5, 4); // odd width: the middle column keeps its order
    CentralSymmetry(c, central);
    EXPECT_EQ(Region(c.byArray, 3, 3, 5, 4), (Picture{"624", "351"}));
    Selection even = Rectangle(3, 6, 4, 7);
    CentralSymmetry(c, even);
    EXPECT_EQ(Region(c.byArray, 3, 6, 4, 7), (Picture{"43", "21"}));
    EXPECT_EQ(Region(c.byOldArray, 3, 3, 5, 7), (Picture(5, "...")));

    Selection zero = Rectangle(1, 1, 2, 4);
    ZeroStateSelection(a, zero);
    EXPECT_EQ(Region(a.byArray, 0, 0, 3, 5), (Picture{"6666", "6..1", "6..4", "6..2", "6..6", "6346"}));
    EXPECT_EQ(Region(a.byOldArray, 1, 1, 3, 1), (Picture{"..1"}));
}

TEST(SelectionCells, BackwardOrCorruptRectanglesChangeNothingAndTheTorusFollows)
{
    Automaton a;
    for (int x = 0; x <= kMaxDimension; ++x)
        for (int y = 0; y <= kMaxDimension; ++y)
            a.byArray[x][y] = static_cast<uint8_t>((x * 3 + y) % 16);
    const Picture before = Region(a.byArray, 0, 0, kMaxDimension, kMaxDimension);
    for (const Selection& bad : {Rectangle(8, 8, 5, 5), Rectangle(-3, 2, -1, 4), Rectangle(INT_MIN, 0, INT_MAX, 0),
                                 Rectangle(2, 102, 4, INT_MAX)})
        for (const Operation operation : kRectangleOperations) {
            Selection s = bad;
            operation(a, s);
            EXPECT_EQ(s.bRectHighlight, 0);
        }
    EXPECT_EQ(Region(a.byArray, 0, 0, kMaxDimension, kMaxDimension), before);

    for (const Operation operation : kRectangleOperations) {
        Automaton t;
        t.iGeometryMode = 1;
        Paint(t.byArray, 1, 1, {"12", "34"});
        Selection s = Rectangle(1, 1, 2, 2);
        operation(t, s);
        EXPECT_EQ(Region(t.byArray, 14, 14, 14, 14), Region(t.byArray, 1, 1, 1, 1));
        EXPECT_EQ(Region(t.byArray, 1, 14, 2, 14), Region(t.byArray, 1, 1, 2, 1));
    }
}

// After Options / Array shrank the array, a rectangle selected before reaches past the live
// area: every operation works on its live part alone, the ring and the cells beyond unchanged.
TEST(SelectionCells, OperationsKeepToTheLiveAreaOfAShrunkArray)
{
    Automaton before;
    before.wMaxHor = before.wMaxVer = 10; // live 1..9, ring at 0 and 10
    test::FillStorage(before.byArray, 7);
    test::FillStorage(before.byOldArray, 7);
    Paint(before.byArray, 6, 6, {"1234", "5678", "9abc", "def1"});
    const Picture outside = Region(before.byArray, 10, 0, kMaxDimension, kMaxDimension);
    const Picture bottom = Region(before.byArray, 0, 10, 9, kMaxDimension);
    const std::map<Operation, Picture> liveParts = {
        {ZeroStateSelection, {"....", "....", "....", "...."}}, {IncrementSelection, {"2345", "6789", "abcd", "ef.2"}},
        {DecrementSelection, {".123", "4567", "89ab", "cde."}}, {VerticalSymmetry, {"4321", "8765", "cba9", "1fed"}},
        {HorizontalSymmetry, {"def1", "9abc", "5678", "1234"}}, {CentralSymmetry, {"1fed", "cba9", "8765", "4321"}},
    };
    for (const auto& [operation, livePart] : liveParts) {
        Automaton a = before;
        Selection s = Rectangle(6, 6, 40, 40);
        operation(a, s);
        EXPECT_EQ(Region(a.byArray, 6, 6, 9, 9), livePart);
        EXPECT_EQ(Region(a.byArray, 10, 0, kMaxDimension, kMaxDimension), outside);
        EXPECT_EQ(Region(a.byArray, 0, 10, 9, kMaxDimension), bottom);
    }

    Automaton a = before;
    Selection beyond = Rectangle(11, 2, 20, 5, 2, 2);
    EXPECT_EQ(CopySelection(a, beyond), EditOutcome::kObjectOverlaps);
    EXPECT_EQ(beyond.bRectHighlight, 1);
    EXPECT_EQ(PasteSelection(a, beyond), EditOutcome::kObjectOverlaps);
    Selection reaching = Rectangle(8, 8, 30, 30, 2, 2);
    EXPECT_EQ(CopySelection(a, reaching), EditOutcome::kDone);
    EXPECT_EQ(PasteSelection(a, reaching), EditOutcome::kDone);
    EXPECT_EQ(Region(a.byArray, 1, 1, 4, 4), (Picture{"7777", "7bc7", "7f17", "7777"}));
}

TEST(SelectionPaste, OverlappingCopyRepeatsTheFirstSourceColumn)
{
    Automaton a;
    Paint(a.byArray, 2, 2, {"123", "456"});
    Selection s = Rectangle(2, 2, 4, 3, 3, 2);
    EXPECT_EQ(CopySelection(a, s), EditOutcome::kDone);
    EXPECT_EQ(s.bRectHighlight, 0);
    EXPECT_EQ(PasteSelection(a, s), EditOutcome::kDone);
    EXPECT_EQ(Region(a.byArray, 1, 1, 6, 4), (Picture{"......", ".1111.", ".4444.", "......"}));
    EXPECT_EQ(Region(a.byOldArray, 1, 1, 6, 4), (Picture{"......", "..111.", "..444.", "......"}));
    EXPECT_EQ(s.bCellHighlight, 0);
}

TEST(SelectionPaste, ReadsTheCellsAtPasteTimeAndRefusesPastTheLastLiveCell)
{
    Automaton a;
    a.iGeometryMode = 1;
    a.iLevel = 8;
    Paint(a.byArray, 1, 1, {"123", "456", "789"});
    Selection s = Rectangle(1, 1, 3, 3, 14 - 2, 4); // only two live columns left
    CopySelection(a, s);
    a.byArray[1][1] = 9; // changed after the copy
    const Picture before = Region(a.byArray, 0, 0, 14, 14);
    EXPECT_EQ(PasteSelection(a, s), EditOutcome::kObjectOverlaps);
    EXPECT_EQ(Region(a.byArray, 0, 0, 14, 14), before);
    EXPECT_EQ(s.bCellHighlight, 1);

    s.iPointX = 14 - 3;
    EXPECT_EQ(PasteSelection(a, s), EditOutcome::kDone);
    EXPECT_EQ(Region(a.byArray, 11, 4, 13, 6), (Picture{"923", "456", "789"}));
    EXPECT_EQ(a.byArray[0][5], 6); // the torus ring follows
    EXPECT_EQ(a.iLevel, 8);

    for (Selection bad : {Rectangle(2, 2, 1, 1, 6, 6), Rectangle(-3, 1, -2, 1, 2, 2),
                          Rectangle(1, INT_MIN, 1, INT_MIN + 1, 2, 2), Rectangle(1, 1, 2, 2, -1, 2)}) {
        const Picture kept = Region(a.byArray, 0, 0, 14, 14);
        PasteSelection(a, bad); // backward copies nothing; corrupt records are refused
        EXPECT_EQ(Region(a.byArray, 0, 0, 14, 14), kept);
    }
}

} // namespace
} // namespace vellicor
