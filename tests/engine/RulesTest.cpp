#include "engine/Neighbourhood.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

#include <climits>

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

TEST(Rules, EveryMaskRoundTripsAndOutOfRangeMasksDecodeAsDocumented)
{
    Automaton a;
    for (int32_t mask = 0; mask < 1024; ++mask) {
        a.iNumAuto[12] = mask;
        DecodeRules(a);
        EncodeRules(a);
        ASSERT_EQ(mask, a.iNumAuto[12]);
    }
    a.iNumAuto[3] = 512 + 4;
    DecodeRules(a);
    EXPECT_EQ((std::vector<int>{2, 9}), Columns(a, 3)) << "bit k is sum k";
    for (int32_t huge : {1024, 5000, INT_MAX}) {
        a.iNumAuto[3] = huge;
        DecodeRules(a);
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), Columns(a, 3)) << huge;
    }
    for (int32_t negative : {-1, -1024, INT_MIN}) {
        a.iNumAuto[3] = negative;
        DecodeRules(a);
        EXPECT_TRUE(Columns(a, 3).empty()) << negative;
    }
    EXPECT_EQ("289-72-0-128-16-4-2", RuleSetName({289, 72, 0, 128, 16, 4, 2, 0}));
    EXPECT_EQ("0", RuleSetName({}));
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
    EXPECT_EQ(std::tuple(1, 0), std::tuple(a.iNeighbours[0][0], a.iNeighbours[1][1]));
    EXPECT_EQ(std::tuple(2, 0, 42, 5, 9),
              std::tuple(a.iModuloMode, a.bHomogeneousMode, a.iLevel, a.iModuloRules, int{a.byArray[3][3]}));
    EXPECT_FALSE(ApplyAutomatonPreset(a, 189));
    EXPECT_FALSE(ApplyAutomatonPreset(a, 200));
}

TEST(Neighbourhood, DerivedModuloValues)
{
    Automaton a;
    ComputeModuloValues(a);
    EXPECT_EQ(std::tuple(2, 9, 8), std::tuple(a.iModuloStates, a.iModuloRules, a.iModuloNeighbours));

    ApplyAutomatonPreset(a, 193); // "289-64-0-128-16-4-0-10": states up to 7, sums up to 8
    ApplyNeighbourhoodPreset(a, NeighbourhoodPreset::OneDimensional);
    ComputeModuloValues(a);
    EXPECT_EQ(std::tuple(8, 9, 3), std::tuple(a.iModuloStates, a.iModuloRules, a.iModuloNeighbours));

    for (auto& s : a.iNumAuto)
        s = 0;
    DecodeRules(a);
    ComputeModuloValues(a);
    EXPECT_EQ(std::tuple(1, 1), std::tuple(a.iModuloStates, a.iModuloRules)) << "no rule at all";
}

} // namespace
} // namespace vellicor
