#include "shell/settings/Settings.h"
#include "shell/settings/SettingsTable.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

TEST(Palette, OnlyTheLowByteOfEachComponentCounts)
{
    Settings s(0);
    s.byRColor[3] = 256;
    s.byGColor[3] = 300;
    s.byBColor[3] = -1;
    BuildPalette(s);
    EXPECT_EQ(0xFF2C00u, s.crStateColor[3]);
    EXPECT_EQ(0x80FFFFu, s.crStateColor[11]); // light yellow, as built from the defaults
}

TEST(DefaultLayout, FollowsTheClientHeightAndNeverGoesNegative)
{
    DefaultLayout l;
    ComputeDefaultLayout(l, 700);
    EXPECT_EQ((LayoutRect{0, 176, 130, 524}), l.info);
    EXPECT_EQ((LayoutRect{130, 32, 310, 668}), l.matrix);
    EXPECT_EQ((LayoutRect{440, 32, 193, 334}), l.mosaic);
    EXPECT_EQ((LayoutRect{440, 366, 193, 334}), l.multiBitmap);

    ComputeDefaultLayout(l, 20);
    EXPECT_EQ((LayoutRect{0, 176, 130, 0}), l.info);
    EXPECT_EQ((LayoutRect{440, 32, 193, 0}), l.multiBitmap);
    ComputeDefaultLayout(l, INT32_MAX);
    EXPECT_EQ((1 << 20) - 32, l.matrix.height);
}

TEST(ResetAutomaton, RestartsTheRunKeepsTheCellsAndPicksTheHelpFile)
{
    Model model(0);
    Automaton& a = model.automaton;
    a.iLevel = 40;
    a.iChanges = 7;
    a.bIncrementalPaint = 1;
    a.iTileCol = 3;
    a.bLimitReached = 1;
    a.wMaxHor = 21;
    a.wMaxVer = 11;
    a.iMBitmapClientWidth = 250;
    a.iMBitmapClientHeight = 100;
    a.byArray[5][5] = 9;
    model.cells.iOriginX = 0;
    model.cells.iArrayClientWidth = 242;
    model.cells.iArrayClientHeight = 400;
    model.settings.iLanguage = 2;

    ResetAutomaton(model);

    EXPECT_EQ(1, a.iLevel);
    EXPECT_EQ(0, a.iChanges);
    EXPECT_EQ(0, a.bIncrementalPaint);
    EXPECT_EQ(0, a.iTileCol);
    EXPECT_EQ(1, a.bLimitReached);
    EXPECT_EQ(10, a.iTilesPerRow); // 250 / (21 + 5 - 1)
    EXPECT_EQ(6, a.iTilesPerCol);  // 100 / (11 + 5 - 1)
    EXPECT_EQ(200.0f, a.fCellTotal);
    EXPECT_EQ(9, a.byArray[5][5]);
    EXPECT_EQ(10, model.cells.iOriginX);
    EXPECT_EQ(232 / 23, model.cells.iCellWidth); // the narrower side, with the origin in place
    EXPECT_EQ("VLRFR.HLP", model.settings.szHelpFile);
    model.settings.iLanguage = 1;
    ResetAutomaton(model);
    EXPECT_EQ("VLRUS.HLP", model.settings.szHelpFile);

    Model quorrel(1);
    quorrel.settings.iLanguage = 0;
    ResetAutomaton(quorrel);
    EXPECT_EQ("QRLUS.HLP", quorrel.settings.szHelpFile);
}

// The table's defaults and the members' initial values are written in two places; a difference
// would make a start without a file differ from a freshly built model.
TEST(SettingsTable, DefaultsAgreeWithAFreshModel)
{
    const Model fresh(0);
    const DefaultLayout noLayout;
    for (const SettingFamily& family : SettingFamilies()) {
        for (const SettingKey& key : KeysOf(family)) {
            EXPECT_EQ(key.Default(noLayout), key.Value(fresh)) << key.Name();
        }
    }
}

} // namespace
} // namespace vellicor
