#include "engine/Automaton.h"

#include "engine/Step.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

TEST(Automaton, StartsAsTheDefaultThirteenByThirteenLifeGame)
{
    Automaton a;
    EXPECT_EQ(14, a.wMaxHor);
    EXPECT_EQ(14, a.wMaxVer);
    EXPECT_EQ(1, a.iLevel);
    EXPECT_EQ(500, a.iIterLimit);
    EXPECT_EQ(0, a.iGeometryMode);
    ResetRun(a);
    EXPECT_EQ(169.0f, a.fCellTotal);
}

TEST(Automaton, WrapTorusFillsTheRingFromTheOppositeEdges)
{
    Automaton a;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y)
            a.byArray[x][y] = static_cast<uint8_t>((x * 3 + y * 5) % 16);
    WrapTorus(a);
    EXPECT_EQ(a.byArray[13][13], a.byArray[0][0]);
    EXPECT_EQ(a.byArray[1][1], a.byArray[14][14]);
    EXPECT_EQ(a.byArray[13][1], a.byArray[0][14]);
    EXPECT_EQ(a.byArray[1][13], a.byArray[14][0]);
    for (int i = 1; i <= 13; ++i) {
        EXPECT_EQ(a.byArray[i][1], a.byArray[i][14]);
        EXPECT_EQ(a.byArray[i][13], a.byArray[i][0]);
        EXPECT_EQ(a.byArray[1][i], a.byArray[14][i]);
        EXPECT_EQ(a.byArray[13][i], a.byArray[0][i]);
    }
}

TEST(Automaton, ApplyGeometryLeavesThePlaneRingAlone)
{
    Automaton a;
    a.byArray[1][1] = 5;
    ApplyGeometry(a);
    EXPECT_EQ(0, a.byArray[14][14]);
    a.iGeometryMode = 1;
    ApplyGeometry(a);
    EXPECT_EQ(5, a.byArray[14][14]);
}

TEST(Automaton, CopyToOldArrayCopiesTheRingButNothingBeyondIt)
{
    Automaton a;
    a.byArray[0][0] = 1;
    a.byArray[14][14] = 2;
    a.byArray[7][7] = 3;
    a.byArray[15][3] = 4; // beyond the ring: unused
    CopyToOldArray(a);
    EXPECT_EQ(1, a.byOldArray[0][0]);
    EXPECT_EQ(2, a.byOldArray[14][14]);
    EXPECT_EQ(3, a.byOldArray[7][7]);
    EXPECT_EQ(0, a.byOldArray[15][3]);
}

// Dimensions from a hostile settings file must never take a loop outside the arrays; the
// sanitizer build turns any stray access into a failure here.
TEST(Automaton, DimensionsOutsideTheArraysAreHarmless)
{
    for (int size : {-2147483647 - 1, -5, 0, 1, 2, 101, 102, 1000, 2147483647}) {
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
    EXPECT_EQ(18, a.iTilePitchX);
    EXPECT_EQ(10, a.iTilesPerRow); // 193 / 18
    EXPECT_EQ(5, a.iTilesPerCol);  // 100 / 18

    a.wMaxHor = 1;
    a.iMBitmapHor = 0; // pitch 0
    a.iMBitmapVer = -100; // negative pitch
    ResetRun(a);
    EXPECT_EQ(0, a.iTilePitchX);
    EXPECT_EQ(0, a.iTilesPerRow);
    EXPECT_EQ(0, a.iTilesPerCol);
}

} // namespace
} // namespace vellicor
