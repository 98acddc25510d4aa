// The optimised step against the reference step on seeded random configurations: every setting
// the two may disagree on (signs and sizes of weights, every divisor, odd rule tables, cells
// above 15, sizes outside the array), compared over every byte of both arrays, on every
// instruction set this machine runs.

#include "engine/FastStep.h"
#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "tests/engine/RandomSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>

namespace vellicor {
namespace {

using test::Random;
using test::RandomDimension;
using test::RandomModulo;
using test::RandomNeighbourhood;
using test::RandomRules;

// Every byte of both arrays: ring, rows past the ring and the spare column included. One
// generator word per cell: distributions would make this the slowest part of the sanitizer build.
void RandomCells(Random& r, Automaton& a)
{
    const uint32_t largest = r.Chance(5) ? 255 : static_cast<uint32_t>(r.Of({1, 1, 3, 15, 15}));
    const uint32_t zeroBelow = static_cast<uint32_t>(r.Pick(0, 95)) * 65536 / 100;
    for (CellArray* cells : {&a.byArray, &a.byOldArray})
        for (int x = 0; x <= kArrayDim; ++x)
            for (int y = 0; y < kColumnStride; ++y) {
                const uint32_t word = r.rng();
                (*cells)[x][y] = static_cast<uint8_t>((word & 0xFFFF) < zeroBelow ? 0 : 1 + (word >> 16) % largest);
            }
    if (r.Chance(50))
        ApplyGeometry(a);
    if (r.Chance(10)) { // one byte above 15 somewhere a sum may read, often on the ring
        const int h = EffectiveMaxHor(a), v = EffectiveMaxVer(a);
        const int x = r.Chance(50) ? r.Of({0, h}) : r.Pick(0, h);
        const int y = r.Chance(50) ? r.Of({0, v}) : r.Pick(0, v);
        a.byArray[x][y] = static_cast<uint8_t>(r.Pick(16, 255));
    }
}

// Settings on the borders of the byte path's conditions, which random weights seldom hit.
const struct {
    int32_t homogeneous;
    int32_t weights[3][3];
    int32_t moduloMode;
    int32_t moduloDefault;
} kEdges[] = {
    {1, {{1, 1, 1}, {1, 0, 1}, {1, 1, 1}}, 0, 10}, // Life
    {0, {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 1, 16}, // nine states summed, modulo 16
    {0, {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 1, 16}, // sums just below 17
    {0, {{1, 1, 0}, {0, 0, 0}, {0, 0, 0}}, 1, 17}, // sums reaching the divisor 17
    {0, {{100, 100, 100}, {0, 0, 0}, {0, 0, 0}}, 5, 0}, // unreduced sums past 255
    {1, {{INT_MAX - 8, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 1, 7}, // homogeneous sum of INT32_MAX
    {1, {{INT_MAX - 7, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 1, 7}, // homogeneous sum one past INT32_MAX
    {1, {{INT_MIN + 8, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}, 1, 7}, // negative sums down to INT32_MIN
    {1, {{INT_MIN + 7, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}, 1, 7}, // negative sums one past INT32_MIN
    {1, {{INT_MIN, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 1, INT_MIN}, // divisor INT32_MIN
    {0, {{5, -3, 1}, {2, 0, -7}, {1, 1, 1}}, 1, -1}, // divisor -1 with mixed weights
    {0, {{-1, -2, -3}, {-1, 0, -1}, {-2, -2, -2}}, 1, -3}, // divisor -3, negative weights
    {0, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 2, 0}, // all weights zero, divisor 0
    {0, {{INT_MAX, INT_MAX, 0}, {0, 1, 0}, {0, 0, 0}}, 0, 10}, // products that wrap
};

Automaton RandomAutomaton(Random& r)
{
    Automaton a;
    a.wMaxHor = RandomDimension(r);
    a.wMaxVer = RandomDimension(r);
    a.iGeometryMode = r.Of({0, 1, 1, 2});
    RandomRules(r, a); // presets reset the weights, so they come first
    RandomNeighbourhood(r, a);
    RandomModulo(r, a);
    if (r.Chance(10)) {
        const auto& edge = kEdges[r.Pick(0, std::size(kEdges) - 1)];
        a.bHomogeneousMode = edge.homogeneous;
        std::memcpy(a.iNeighbours, edge.weights, sizeof a.iNeighbours);
        a.iModuloMode = edge.moduloMode;
        a.iModuloDefault = edge.moduloDefault;
    }
    RandomCells(r, a);
    return a;
}

std::string Describe(const Automaton& a)
{
    std::ostringstream text;
    text << a.wMaxHor << " x " << a.wMaxVer << ", geometry " << a.iGeometryMode << ", homogeneous "
         << a.bHomogeneousMode << ", modulo mode " << a.iModuloMode << ", weights";
    for (const auto& column : a.iNeighbours)
        text << ' ' << column[0] << ' ' << column[1] << ' ' << column[2];
    return text.str();
}

// The limit, the level, the tiles and the ring are one code around both cell computations:
// the cells are what can differ. Every byte of both arrays, beyond the ring too.
::testing::AssertionResult SameCells(const Automaton& expected, const Automaton& actual)
{
    for (auto cells : {&Automaton::byArray, &Automaton::byOldArray})
        for (int x = 0; x <= kArrayDim; ++x)
            for (int y = 0; y < kColumnStride; ++y)
                if ((expected.*cells)[x][y] != (actual.*cells)[x][y])
                    return ::testing::AssertionFailure()
                           << (cells == &Automaton::byArray ? "byArray[" : "byOldArray[") << x << "][" << y << "] is "
                           << int{(actual.*cells)[x][y]} << ", expected " << int{(expected.*cells)[x][y]};
    return ::testing::AssertionSuccess();
}

// The path the next step will take, seen on a copy that has made the step's copy of the cells.
FastStepPlan PlanOfNextStep(const Automaton& a)
{
    Automaton copy = a;
    CopyToOldArray(copy);
    return PlanFastStep(copy);
}

TEST(EquivalenceTest, RandomConfigurationsStepAlikeOnEveryInstructionSet)
{
    Random r{std::mt19937(20240611)};
    int exact = 0, homogeneousBytes = 0, tableBytes = 0, reducedBytes = 0, steps = 0;
    for (int run = 0; run < 1500; ++run) {
        Automaton fast = RandomAutomaton(r);
        Automaton reference = fast;
        if (run % 3 == 0) {
            // The cell computation alone, on arrays that differ from each other: a kept cell keeps
            // what byArray holds, whatever byOldArray says.
            Automaton cells = reference;
            ComputeCellsReference(cells);
            for (FastStepIsa isa : {FastStepIsa::Portable, FastStepIsa::Sse2, FastStepIsa::Avx2}) {
                if (!FastStepIsaAvailable(isa))
                    continue;
                Automaton isaCells = reference;
                ComputeCellsFast(isaCells, isa);
                ASSERT_TRUE(SameCells(cells, isaCells)) << "instruction set " << static_cast<int>(isa) << ", run "
                                                        << run << ": " << Describe(reference);
            }
        }
        const FastStepPlan plan = PlanOfNextStep(fast);
        exact += plan.path == FastStepPath::Exact;
        homogeneousBytes += plan.path == FastStepPath::Bytes && plan.homogeneous != 0;
        tableBytes += plan.path == FastStepPath::Bytes && plan.homogeneous == 0;
        reducedBytes += plan.path == FastStepPath::Bytes && plan.reduceCount > 0;
        for (int step = r.Pick(1, 4); step > 0; --step, ++steps) {
            ComputeNextGenerationReference(reference);
            ComputeNextGeneration(fast);
            ASSERT_TRUE(SameCells(reference, fast)) << "run " << run << ": " << Describe(reference);
        }
    }
    // The generator must keep reaching every path, or the comparison proves less than it claims.
    EXPECT_GT(exact, 180);
    EXPECT_GT(homogeneousBytes, 180);
    EXPECT_GT(tableBytes, 180);
    EXPECT_GT(reducedBytes, 180);
    EXPECT_GT(steps, 3000);
}

TEST(EquivalenceTest, CommonSettingsTakeTheBytePath)
{
    // The settings the benchmark times: losing the fast path would pass every other test.
    Automaton life;
    EXPECT_EQ(FastStepPath::Bytes, PlanOfNextStep(life).path);
    EXPECT_EQ(0, PlanOfNextStep(life).reduceCount) << "Life sums never reach 10";

    Automaton sixteen;
    ApplyAutomatonPreset(sixteen, 193);
    sixteen.bHomogeneousMode = 0;
    sixteen.iModuloMode = 1;
    sixteen.iModuloDefault = 7;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j)
            sixteen.iNeighbours[i][j] = 1 + (i + j) % 3;
    EXPECT_EQ(FastStepPath::Bytes, PlanOfNextStep(sixteen).path);
    sixteen.byArray[5][5] = 16; // no 16-entry table covers it
    EXPECT_EQ(FastStepPath::Exact, PlanOfNextStep(sixteen).path);
}

} // namespace
} // namespace vellicor
