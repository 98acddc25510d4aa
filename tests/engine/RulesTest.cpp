#include "engine/Neighbourhood.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

std::vector<int> Columns(const Automaton& a, int state)
{
    std::vector<int> columns;
    for (int k = 0; k < kSumCount; ++k)
        if (a.iRules[state][k] == 1)
            columns.push_back(k);
    return columns;
}

TEST(Rules, DefaultLifeRuleDecodesAndEncodesBack)
{
    Automaton a;
    DecodeRules(a);
    EXPECT_EQ((std::vector<int>{0, 1, 4, 5, 6, 7, 8}), Columns(a, 0));
    EXPECT_EQ((std::vector<int>{3}), Columns(a, 1));
    Automaton fresh;
    for (int s = 0; s < kStateCount; ++s)
        for (int k = 0; k < kSumCount; ++k)
            EXPECT_EQ(fresh.iRules[s][k], a.iRules[s][k]) << "the start table is the decoded default";
    a.iNumAuto[0] = a.iNumAuto[1] = -1;
    EncodeRules(a);
    EXPECT_EQ(499, a.iNumAuto[0]);
    EXPECT_EQ(8, a.iNumAuto[1]);
}

TEST(Rules, EveryMaskRoundTripsAndOutOfRangeMasksDecodeAsDocumented)
{
    Automaton a;
    for (int32_t mask = 0; mask < 1024; ++mask) {
        a.iNumAuto[12] = mask;
        DecodeRules(a);
        EncodeRules(a);
        ASSERT_EQ(mask, a.iNumAuto[12]);
    }
    a.iNumAuto[3] = 512;
    DecodeRules(a);
    EXPECT_EQ((std::vector<int>{9}), Columns(a, 3));
    for (int32_t huge : {1024, 5000, 2147483647}) {
        a.iNumAuto[3] = huge;
        DecodeRules(a);
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), Columns(a, 3)) << huge;
    }
    for (int32_t negative : {-1, -1024, -2147483647 - 1}) {
        a.iNumAuto[3] = negative;
        DecodeRules(a);
        EXPECT_TRUE(Columns(a, 3).empty()) << negative;
    }
}

TEST(Rules, PresetsResetTheNeighbourhoodAndKeepEverythingElse)
{
    Automaton a;
    a.iNeighbours[0][0] = 7;
    a.iNeighbours[1][1] = 3;
    a.iModuloMode = 2;
    a.bHomogeneousMode = 0;
    a.iLevel = 42;
    a.iModuloRules = 5;
    a.byArray[3][3] = 9;
    ASSERT_TRUE(ApplyAutomatonPreset(a, 198));
    EXPECT_EQ((std::vector<int>{5}), Columns(a, 0)); // "32-4": sum 5 gives 0, sum 2 gives 1
    EXPECT_EQ((std::vector<int>{2}), Columns(a, 1));
    EXPECT_EQ(1, a.iNeighbours[0][0]);
    EXPECT_EQ(0, a.iNeighbours[1][1]);
    EXPECT_EQ(2, a.iModuloMode);
    EXPECT_EQ(0, a.bHomogeneousMode);
    EXPECT_EQ(42, a.iLevel);
    EXPECT_EQ(5, a.iModuloRules);
    EXPECT_EQ(9, a.byArray[3][3]);
    EXPECT_FALSE(ApplyAutomatonPreset(a, 189));
    EXPECT_FALSE(ApplyAutomatonPreset(a, 200));
}

TEST(Rules, PresetNamesAreTheMenuTexts)
{
    const char* names[] = {"499-8", "387-8-0-4-0-0-0-112", "387-8-0-0-16-0-0-100", "289-64-0-128-16-4-0-10",
                           "289-72-0-128-16-4-2", "385-32-8-128-2-16-0-64", "297-64-16-132-0-0-0-10",
                           "337-0-128-4-2-0-0-40", "32-4", "487-24"};
    for (int i = 0; i < kPresetCount; ++i) {
        EXPECT_EQ(kFirstPresetCommand + i, AutomatonPresets()[i].command);
        EXPECT_EQ(names[i], RuleSetName(AutomatonPresets()[i].numAuto));
    }
    EXPECT_EQ("0", RuleSetName({}));
}

TEST(Neighbourhood, DerivedModuloValues)
{
    Automaton a;
    ComputeModuloValues(a);
    EXPECT_EQ(2, a.iModuloStates);
    EXPECT_EQ(9, a.iModuloRules);
    EXPECT_EQ(8, a.iModuloNeighbours);

    for (auto& s : a.iNumAuto)
        s = 0;
    DecodeRules(a);
    ComputeModuloValues(a);
    EXPECT_EQ(1, a.iModuloStates);
    EXPECT_EQ(1, a.iModuloRules);

    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::OneDimensional);
    EXPECT_EQ(3, CountNonZeroWeights(a));
    EXPECT_EQ(1, a.iNeighbours[1][0]);
    EXPECT_EQ(1, a.iNeighbours[1][2]);
    EXPECT_EQ(0, a.iNeighbours[0][1]);
    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::FiveNeighbours);
    EXPECT_EQ(5, CountNonZeroWeights(a));
    EXPECT_EQ(0, a.iNeighbours[2][2]);
    EXPECT_EQ(1, a.iNeighbours[1][1]);
    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::NineNeighbours);
    EXPECT_EQ(9, CountNonZeroWeights(a));
    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::TwoDimensional);
    EXPECT_EQ(8, CountNonZeroWeights(a));
}

TEST(Neighbourhood, DivisorByModeAndSafeReduction)
{
    Automaton a;
    a.iModuloDefault = 7;
    a.iModuloRules = 9;
    a.iModuloNeighbours = 8;
    a.iModuloStates = 2;
    const int32_t expected[] = {10, 7, 9, 8, 2, 0};
    for (int mode = 0; mode <= 5; ++mode) {
        a.iModuloMode = mode;
        EXPECT_EQ(expected[mode], ModuloDivisor(a));
    }
    a.iModuloMode = -1;
    EXPECT_EQ(0, ModuloDivisor(a));

    EXPECT_EQ(2, ReduceSum(12, 10));
    EXPECT_EQ(-2, ReduceSum(-12, 10)); // the sign of the sum
    EXPECT_EQ(12, ReduceSum(12, 0));   // no divisor: unreduced
    EXPECT_EQ(0, ReduceSum(-2147483647 - 1, -1));
}

} // namespace
} // namespace vellicor
