#include "engine/Automaton.h"

#include "engine/Step.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace vellicor {
namespace {

TEST(Automaton, TheTorusRingCopiesTheOppositeEdgesAndThePlaneRingIsLeftAlone)
{
    Automaton a;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y)
            a.byArray[x][y] = static_cast<uint8_t>((x * 3 + y * 5) % 16);
    ApplyGeometry(a);
    EXPECT_EQ(0, a.byArray[14][14]);
    a.iGeometryMode = 1;
    ApplyGeometry(a);
    const auto opposite = [](int i) { return i == 0 ? 13 : i == 14 ? 1 : i; }; // corners included
    for (int i = 0; i <= 14; ++i) {
        EXPECT_EQ(a.byArray[opposite(i)][13], a.byArray[i][0]) << i;
        EXPECT_EQ(a.byArray[opposite(i)][1], a.byArray[i][14]) << i;
        EXPECT_EQ(a.byArray[13][opposite(i)], a.byArray[0][i]) << i;
        EXPECT_EQ(a.byArray[1][opposite(i)], a.byArray[14][i]) << i;
    }
}

// Dimensions from a hostile settings file must never take a loop outside the arrays; the
// sanitizer build turns any stray access into a failure here.
TEST(Automaton, DimensionsOutsideTheArraysAreHarmless)
{
    for (int size : {INT_MIN, -5, 0, 1, 2, 101, 102, 1000, INT_MAX}) {
        Automaton a;
        a.wMaxHor = size;
        a.wMaxVer = 7;
        a.iGeometryMode = 1;
        ResetRun(a);
        ApplyGeometry(a);
        EXPECT_EQ(1, ComputeNextGeneration(a));
        EXPECT_EQ(1, ComputeNextGenerationReference(a));
        IsStable(a);
        std::swap(a.wMaxHor, a.wMaxVer);
        ResetRun(a);
        EXPECT_EQ(1, ComputeNextGeneration(a));
    }
    Automaton one;
    one.wMaxHor = 1;
    ResetRun(one);
    EXPECT_EQ(0.0f, one.fCellTotal);
}

TEST(Automaton, TileGeometryNeverDividesByAZeroOrNegativePitch)
{
    Automaton a;
    a.iMBitmapClientWidth = 193;
    a.iMBitmapClientHeight = 100;
    ResetRun(a);
    EXPECT_EQ(std::tuple(18, 10, 5), std::tuple(a.iTilePitchX, a.iTilesPerRow, a.iTilesPerCol)); // 193 / 18, 100 / 18

    a.wMaxHor = 1;
    a.iMBitmapHor = 0;    // pitch 0
    a.iMBitmapVer = -100; // negative pitch
    ResetRun(a);
    EXPECT_EQ(std::tuple(0, 0, 0), std::tuple(a.iTilePitchX, a.iTilesPerRow, a.iTilesPerCol));
}

} // namespace
} // namespace vellicor
