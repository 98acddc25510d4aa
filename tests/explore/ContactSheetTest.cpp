#include "engine/Processing.h"
#include "engine/Rules.h"
#include "explore/ContactSheet.h"
#include "explore/Exploration.h"
#include "explore/Structure.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellicor {
namespace {

TEST(ContactSheetTest, TilesInReadingOrderAtTheScaleWithFourWhitePixelsAroundAndBetween)
{
    // Five tiles of 3 x 2 cells, tile i with its cell (2, 1) in state i + 1; scale 2.
    std::vector<Automaton> runs(5);
    std::vector<const Automaton*> tiles;
    for (size_t i = 0; i < runs.size(); ++i) {
        runs[i].wMaxHor = 4;
        runs[i].wMaxVer = 3;
        runs[i].byArray[2][1] = static_cast<uint8_t>(i + 1);
        tiles.push_back(&runs[i]);
    }
    uint32_t palette[kStateCount];
    for (int s = 0; s < kStateCount; ++s)
        palette[s] = 0x000000u | static_cast<uint32_t>(s) << 16 | 0x80u; // blue s, red 0x80
    const SheetPicture sheet = ComposeContactSheet(tiles, palette, 2);

    // ceil(sqrt(5)) = 3 to a row, two rows: 4 + 3 x (6 + 4) by 4 + 2 x (4 + 4).
    ASSERT_EQ(34, sheet.width);
    ASSERT_EQ(20, sheet.height);
    auto at = [&](int x, int y) { return sheet.pixels[size_t(y * sheet.width + x)]; };
    const auto color = [](uint32_t s) { return 0xFF800000u | s; };
    for (int i = 0; i < 5; ++i) {
        const int left = 4 + i % 3 * 10;
        const int top = 4 + i / 3 * 8;
        EXPECT_EQ(color(0), at(left, top)) << "tile " << i;
        EXPECT_EQ(color(uint32_t(i) + 1), at(left + 2, top)) << "tile " << i;
        EXPECT_EQ(color(uint32_t(i) + 1), at(left + 3, top + 1)) << "tile " << i;
        EXPECT_EQ(color(0), at(left + 4, top + 1)) << "tile " << i;
        EXPECT_EQ(color(0), at(left + 5, top + 3)) << "tile " << i;
        EXPECT_EQ(kSheetGround, at(left - 1, top)) << "tile " << i;
        EXPECT_EQ(kSheetGround, at(left + 6, top + 3)) << "tile " << i;
        EXPECT_EQ(kSheetGround, at(left, top + 4)) << "tile " << i;
    }
    EXPECT_EQ(kSheetGround, at(24, 12)) << "the empty sixth place";
    EXPECT_EQ(kSheetGround, at(33, 19));

    const SlotResult life{.rules = {499, 8}, .structure = 0.376, .last = {}};
    const SlotResult all{
        .rules = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 1023}, .structure = 1.0, .last = {}};
    EXPECT_EQ("499 8 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0.38\n0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 1023 1.00\n",
              SheetText({life, all}));
    EXPECT_EQ(1, ContactSheetLayout(1, 5, 5).columns);
    EXPECT_EQ(4, ContactSheetLayout(10, 5, 5).columns);
    EXPECT_EQ(3, ContactSheetLayout(10, 5, 5).rows);
}

TEST(ContactSheetTest, TheRenderersSheetShowsEachLinesRuleSetRunFromTheStart)
{
    Automaton start;
    start.wMaxHor = start.wMaxVer = 21;
    start.iGeometryMode = 1;
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y)
            start.byArray[x][y] = static_cast<uint8_t>((x * 7 + y * y * 3) % 5 % 3);
    ApplyGeometry(start);
    uint32_t palette[kStateCount];
    for (int s = 0; s < kStateCount; ++s)
        palette[s] = 0x010203u * static_cast<uint32_t>(s * 15);
    const ExploreSheet sheet = MakeExploreSheet(start, palette, {5, 3, 3, 30, 2});

    std::istringstream lines(sheet.text);
    std::vector<RuleSet> rules;
    std::vector<double> figures;
    for (RuleSet r; lines >> r[0];) {
        for (size_t s = 1; s < r.size(); ++s)
            lines >> r[s];
        rules.push_back(r);
        figures.push_back(-1.0);
        lines >> figures.back();
    }
    ASSERT_EQ(5u, rules.size());
    std::vector<Automaton> runs(5, start);
    std::vector<const Automaton*> tiles;
    for (size_t i = 0; i < rules.size(); ++i) {
        Automaton& own = runs[i];
        std::copy(rules[i].begin(), rules[i].end(), own.iNumAuto);
        DecodeRules(own);
        RunSteps(own, 30);
        tiles.push_back(&own);
        EXPECT_NEAR(StructureFigure(own), figures[i], 0.005) << "tile " << i;
    }
    EXPECT_EQ(ComposeContactSheet(tiles, palette, 2).pixels, sheet.picture.pixels);
    EXPECT_EQ(4 + 3 * 44, sheet.picture.width);

    EXPECT_EQ("out/sheet.txt", SheetTextPath("out/sheet.png"));
    EXPECT_EQ("out.d/sheet.txt", SheetTextPath("out.d/sheet"));
    EXPECT_EQ("out/.sheet.txt", SheetTextPath("out/.sheet"));
}

} // namespace
} // namespace vellicor
