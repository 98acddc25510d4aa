#include "shell/settings/Settings.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

TEST(DefaultLayout, NeverGoesNegativeOrOverflowsWhateverTheClientHeight)
{
    DefaultLayout l;
    ComputeDefaultLayout(l, 20);
    EXPECT_EQ((LayoutRect{0, 176, 130, 0}), l.info);
    EXPECT_EQ((LayoutRect{440, 32, 193, 0}), l.multiBitmap);
    ComputeDefaultLayout(l, INT32_MAX);
    EXPECT_EQ((1 << 20) - 32, l.matrix.height);
}

TEST(ResetAutomaton, RestartsTheRunKeepsTheCellsAndSizesThemFromTheNewOrigin)
{
    Model model(0);
    model.automaton.iLevel = 40;
    model.automaton.wMaxHor = 21;
    model.automaton.byArray[5][5] = 9;
    model.cells.iOriginX = 0;
    model.cells.iArrayClientWidth = 253;
    model.cells.iArrayClientHeight = 400;
    ResetAutomaton(model);
    EXPECT_EQ(1, model.automaton.iLevel);
    EXPECT_EQ(9, model.automaton.byArray[5][5]);
    EXPECT_EQ(10, model.cells.iOriginX);
    EXPECT_EQ(243 / 23, model.cells.iCellWidth); // with the old origin it would be 253 / 23
}

} // namespace
} // namespace vellicor
