// The optimised step against the reference step on seeded random configurations: every setting
// the two may disagree on (signs and sizes of weights, every divisor, odd rule tables, cells
// above 15, sizes outside the array), compared over both whole arrays and the counters.

#include "engine/FastStep.h"
#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "engine/Step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vellicor {
namespace {

using Random = std::mt19937;

int32_t Pick(Random& rng, int32_t low, int32_t high)
{
    return std::uniform_int_distribution<int32_t>(low, high)(rng);
}

int32_t PickOf(Random& rng, std::initializer_list<int32_t> values)
{
    return *(values.begin() + Pick(rng, 0, static_cast<int32_t>(values.size()) - 1));
}

bool Chance(Random& rng, int percent) { return Pick(rng, 0, 99) < percent; }

int32_t RandomDimension(Random& rng)
{
    if (Chance(rng, 5))
        return PickOf(rng, {INT32_MIN, -3, 0, 102, 150, INT32_MAX});
    if (Chance(rng, 20))
        return PickOf(rng, {1, 2, 3, 17, 18, 33, 34, 48, 49, 50, 65, 66, 97, 98, 100, 101});
    return Pick(rng, 1, Chance(rng, 50) ? 34 : 101); // smaller arrays keep the test quick
}

void RandomRules(Random& rng, Automaton& a)
{
    switch (Pick(rng, 0, 5)) {
    case 0:
        ApplyAutomatonPreset(a, kFirstPresetCommand + Pick(rng, 0, kPresetCount - 1));
        return;
    case 1: // no rule at all: every cell keeps its state
        for (auto& row : a.iRules)
            for (auto& entry : row)
                entry = 0;
        return;
    case 2: // one sum claimed by many states: the highest must win
        for (auto& row : a.iRules)
            for (auto& entry : row)
                entry = Chance(rng, 5) ? 1 : 0;
        for (int s = Pick(rng, 0, 15); s < kStateCount; s += Pick(rng, 1, 4))
            a.iRules[s][Pick(rng, 0, kSumCount - 1)] = 1;
        return;
    case 3: // entries other than 0 and 1 come only from code, and match nothing
        for (auto& row : a.iRules)
            for (auto& entry : row)
                entry = PickOf(rng, {0, 0, 1, 2, -1});
        return;
    default: {
        const int percent = PickOf(rng, {10, 30, 60});
        for (auto& row : a.iRules)
            for (auto& entry : row)
                entry = Chance(rng, percent) ? 1 : 0;
        return;
    }
    }
}

int32_t RandomWeight(Random& rng, int style, int32_t boundary)
{
    switch (style) {
    case 0: return Pick(rng, 0, 3);
    case 1: return Chance(rng, 60) ? 0 : Pick(rng, 1, 15);
    case 2: return Pick(rng, -3, 0);
    case 3: return Pick(rng, -5, 5);
    case 4: return Pick(rng, 0, 1 << 20) * (Chance(rng, 20) ? -1 : 1);
    case 5: return PickOf(rng, {INT32_MAX, INT32_MAX - 1, INT32_MIN, INT32_MIN + 1, 1 << 30, -(1 << 30), 0, 1, -1});
    case 6: return static_cast<int32_t>(rng());
    default: return boundary; // all nine weights on the edge of 32-bit wrapping
    }
}

void RandomNeighbourhood(Random& rng, Automaton& a)
{
    a.bHomogeneousMode = PickOf(rng, {0, 0, 1, 1, -1});
    const int style = Pick(rng, -2, 7);
    if (style == -2) {
        ApplyNeighbourhoodPreset(a, static_cast<NeighbourhoodPreset>(Pick(rng, 0, 3)));
        return;
    }
    if (style == -1)
        return; // keep what the preset or the default left
    // Sums of nine equal weights that just reach or just pass INT32_MAX (or INT32_MIN).
    const int32_t largestValue = a.bHomogeneousMode != 0 ? 1 : 15;
    const int32_t sign = Chance(rng, 50) ? 1 : -1;
    const int32_t boundary = sign * (INT32_MAX / (9 * largestValue) + Pick(rng, 0, 1));
    for (auto& column : a.iNeighbours)
        for (auto& weight : column)
            weight = RandomWeight(rng, style, boundary);
}

void RandomModulo(Random& rng, Automaton& a)
{
    a.iModuloMode = Chance(rng, 85) ? Pick(rng, 0, 4) : PickOf(rng, {-1, 5, 7, 1000});
    a.iModuloDefault = PickOf(rng, {0, 1, -1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 100, 1000, -7, -16,
                                    -17, INT32_MIN, INT32_MAX, static_cast<int32_t>(rng())});
    switch (Pick(rng, 0, 2)) {
    case 0: break; // 0, as before the neighbourhood dialog first opens
    case 1: ComputeModuloValues(a); break;
    default:
        a.iModuloRules = Pick(rng, -3, 20);
        a.iModuloNeighbours = Pick(rng, -3, 20);
        a.iModuloStates = Pick(rng, -3, 20);
        break;
    }
}

// Every byte of both arrays: ring, rows past the ring and the spare column included.
void RandomCells(Random& rng, Automaton& a)
{
    // States 1..largest with a chance of zero, from one generator word per cell (the
    // distributions would make this the slowest part of the sanitizer build).
    const uint32_t largest = Chance(rng, 5) ? 255 : static_cast<uint32_t>(PickOf(rng, {1, 1, 3, 15, 15}));
    const uint32_t zeroBelow = static_cast<uint32_t>(Pick(rng, 0, 95)) * 65536 / 100;
    for (CellArray* cells : {&a.byArray, &a.byOldArray}) {
        for (int x = 0; x <= kArrayDim; ++x) {
            uint8_t* column = (*cells)[x];
            for (int y = 0; y < kColumnStride; ++y) {
                const uint32_t word = rng();
                column[y] = static_cast<uint8_t>((word & 0xFFFF) < zeroBelow ? 0 : 1 + (word >> 16) % largest);
            }
        }
    }
    if (Chance(rng, 50))
        ApplyGeometry(a);
    if (Chance(rng, 10)) {
        // One byte above 15 somewhere a sum may read, often on the ring.
        const int h = EffectiveMaxHor(a);
        const int v = EffectiveMaxVer(a);
        const int x = Chance(rng, 50) ? PickOf(rng, {0, h}) : Pick(rng, 0, h);
        const int y = Chance(rng, 50) ? PickOf(rng, {0, v}) : Pick(rng, 0, v);
        a.byArray[x][y] = static_cast<uint8_t>(Pick(rng, 16, 255));
    }
}

Automaton RandomAutomaton(Random& rng)
{
    Automaton a;
    a.wMaxHor = RandomDimension(rng);
    a.wMaxVer = RandomDimension(rng);
    a.iGeometryMode = PickOf(rng, {0, 1, 1, 2});
    RandomRules(rng, a); // presets reset the weights, so they come first
    RandomNeighbourhood(rng, a);
    RandomModulo(rng, a);
    RandomCells(rng, a);
    a.iLevel = Chance(rng, 5) ? INT32_MAX - 1 : Pick(rng, 1, 5);
    const int64_t nearLimit = std::min<int64_t>(int64_t{a.iLevel} + Pick(rng, 0, 2), INT32_MAX);
    a.iIterLimit = Chance(rng, 20) ? static_cast<int32_t>(nearLimit) : INT32_MAX;
    a.bDisplaySucc = Pick(rng, 0, 1);
    a.iTilesPerRow = Pick(rng, 0, 4);
    a.iTilesPerCol = Pick(rng, 0, 4);
    a.iTilePitchX = Pick(rng, -2, 120);
    a.iTilePitchY = Pick(rng, -2, 120);
    a.iTileCol = Pick(rng, 0, 3);
    a.iTileRow = Pick(rng, 0, 3);
    return a;
}

std::string Describe(const Automaton& a)
{
    std::ostringstream text;
    text << "size " << a.wMaxHor << " x " << a.wMaxVer << ", geometry " << a.iGeometryMode << ", homogeneous "
         << a.bHomogeneousMode << ", weights";
    for (const auto& column : a.iNeighbours)
        for (int32_t weight : column)
            text << ' ' << weight;
    text << ", modulo mode " << a.iModuloMode << " (default " << a.iModuloDefault << ", derived " << a.iModuloRules
         << ' ' << a.iModuloNeighbours << ' ' << a.iModuloStates << ")";
    return text.str();
}

::testing::AssertionResult SameCells(const CellArray& expected, const CellArray& actual, const char* name)
{
    for (int x = 0; x <= kArrayDim; ++x) {
        if (std::memcmp(expected[x], actual[x], kColumnStride) == 0)
            continue;
        for (int y = 0; y < kColumnStride; ++y)
            if (expected[x][y] != actual[x][y])
                return ::testing::AssertionFailure() << name << "[" << x << "][" << y << "] is " << int{actual[x][y]}
                                                     << ", expected " << int{expected[x][y]};
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameState(const Automaton& expected, const Automaton& actual)
{
    if (auto cells = SameCells(expected.byArray, actual.byArray, "byArray"); !cells)
        return cells;
    if (auto oldCells = SameCells(expected.byOldArray, actual.byOldArray, "byOldArray"); !oldCells)
        return oldCells;
    const std::pair<const char*, int32_t Automaton::*> counters[] = {
        {"iLevel", &Automaton::iLevel},       {"bLimitReached", &Automaton::bLimitReached},
        {"iTileCol", &Automaton::iTileCol},   {"iTileRow", &Automaton::iTileRow},
        {"iTileX", &Automaton::iTileX},       {"iTileY", &Automaton::iTileY},
        {"iChanges", &Automaton::iChanges},   {"wMaxHor", &Automaton::wMaxHor},
        {"wMaxVer", &Automaton::wMaxVer},
    };
    for (const auto& [name, member] : counters)
        if (expected.*member != actual.*member)
            return ::testing::AssertionFailure() << name << " is " << actual.*member << ", expected "
                                                 << expected.*member;
    return ::testing::AssertionSuccess();
}

std::vector<FastStepIsa> AvailableIsas()
{
    std::vector<FastStepIsa> isas;
    for (FastStepIsa isa : {FastStepIsa::Portable, FastStepIsa::Sse2, FastStepIsa::Avx2})
        if (FastStepIsaAvailable(isa))
            isas.push_back(isa);
    return isas;
}

const char* IsaName(FastStepIsa isa)
{
    switch (isa) {
    case FastStepIsa::Best: return "best";
    case FastStepIsa::Portable: return "portable";
    case FastStepIsa::Sse2: return "SSE2";
    case FastStepIsa::Avx2: return "AVX2";
    }
    return "?";
}

// The path the next step will take, seen on a copy that has made the step's copy of the cells.
FastStepPlan PlanOfNextStep(const Automaton& a)
{
    Automaton copy = a;
    CopyToOldArray(copy);
    return PlanFastStep(copy);
}

TEST(EquivalenceTest, RandomConfigurationsStepAlike)
{
    Random rng(20240611);
    int exact = 0;
    int homogeneousBytes = 0;
    int tableBytes = 0;
    int reducedBytes = 0;
    int steps = 0;
    for (int run = 0; run < 1500; ++run) {
        Automaton fast = RandomAutomaton(rng);
        Automaton reference = fast;
        const FastStepPlan plan = PlanOfNextStep(fast);
        if (plan.path == FastStepPath::Exact)
            ++exact;
        else if (plan.homogeneous != 0)
            ++homogeneousBytes;
        else
            ++tableBytes;
        if (plan.path == FastStepPath::Bytes && plan.reduceCount > 0)
            ++reducedBytes;

        const int count = Pick(rng, 1, 4);
        for (int step = 1; step <= count; ++step, ++steps) {
            const int expected = ComputeNextGenerationReference(reference);
            ASSERT_EQ(expected, ComputeNextGeneration(fast)) << "run " << run << ": " << Describe(reference);
            ASSERT_TRUE(SameState(reference, fast)) << "run " << run << ", step " << step << ": " << Describe(reference);
        }
    }
    // The generator must keep reaching every path, or the comparison proves less than it claims.
    EXPECT_GT(exact, 180);
    EXPECT_GT(homogeneousBytes, 180);
    EXPECT_GT(tableBytes, 180);
    EXPECT_GT(reducedBytes, 180);
    EXPECT_GT(steps, 3000);
}

TEST(EquivalenceTest, EveryInstructionSetComputesTheReferenceCells)
{
    // The cell computation alone, on arrays that differ from each other: a kept cell keeps what
    // byArray holds, whatever byOldArray says.
    Random rng(77);
    const std::vector<FastStepIsa> isas = AvailableIsas();
    for (int run = 0; run < 500; ++run) {
        const Automaton start = RandomAutomaton(rng);
        Automaton reference = start;
        ComputeCellsReference(reference);
        for (FastStepIsa isa : isas) {
            Automaton fast = start;
            ComputeCellsFast(fast, isa);
            ASSERT_TRUE(SameState(reference, fast)) << IsaName(isa) << ", run " << run << ": " << Describe(start);
        }
    }
}

struct Edge {
    const char* name;
    int32_t homogeneous;
    int32_t weights[3][3];
    int32_t moduloMode;
    int32_t moduloDefault;
};

// Settings on the borders of the byte path's conditions, each on dense and sparse soups.
const Edge kEdges[] = {
    {"Life", 1, {{1, 1, 1}, {1, 0, 1}, {1, 1, 1}}, 0, 10},
    {"nine states summed, modulo 16", 0, {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 1, 16},
    {"sums just below 17", 0, {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 1, 16},
    {"sums reaching the divisor 17", 0, {{1, 1, 0}, {0, 0, 0}, {0, 0, 0}}, 1, 17},
    {"unreduced sums past 255", 0, {{100, 100, 100}, {0, 0, 0}, {0, 0, 0}}, 5, 0},
    {"homogeneous sum of INT32_MAX", 1, {{INT32_MAX - 8, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 1, 7},
    {"homogeneous sum one past INT32_MAX", 1, {{INT32_MAX - 7, 1, 1}, {1, 1, 1}, {1, 1, 1}}, 1, 7},
    {"negative sums down to INT32_MIN", 1, {{INT32_MIN + 8, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}, 1, 7},
    {"negative sums one past INT32_MIN", 1, {{INT32_MIN + 7, -1, -1}, {-1, -1, -1}, {-1, -1, -1}}, 1, 7},
    {"divisor INT32_MIN", 1, {{INT32_MIN, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 1, INT32_MIN},
    {"divisor -1 with mixed weights", 0, {{5, -3, 1}, {2, 0, -7}, {1, 1, 1}}, 1, -1},
    {"divisor -3, negative weights", 0, {{-1, -2, -3}, {-1, 0, -1}, {-2, -2, -2}}, 1, -3},
    {"all weights zero, divisor 0", 0, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 2, 0},
    {"products that wrap", 0, {{INT32_MAX, INT32_MAX, 0}, {0, 1, 0}, {0, 0, 0}}, 0, 10},
};

TEST(EquivalenceTest, EdgeSettingsOverManySteps)
{
    Random rng(5);
    for (const Edge& edge : kEdges) {
        for (int soup = 0; soup < 4; ++soup) {
            Automaton fast;
            fast.wMaxHor = Pick(rng, 40, 101);
            fast.wMaxVer = Pick(rng, 40, 101);
            fast.iIterLimit = INT32_MAX;
            fast.iGeometryMode = soup % 2;
            ApplyAutomatonPreset(fast, soup < 2 ? 190 : 193);
            fast.bHomogeneousMode = edge.homogeneous;
            std::memcpy(fast.iNeighbours, edge.weights, sizeof fast.iNeighbours);
            fast.iModuloMode = edge.moduloMode;
            fast.iModuloDefault = edge.moduloDefault;
            const uint32_t zeroPercent = soup < 2 ? 50 : 90;
            for (int x = 0; x <= kArrayDim; ++x)
                for (int y = 0; y < kColumnStride; ++y)
                    fast.byArray[x][y] = static_cast<uint8_t>(rng() % 100 < zeroPercent ? 0 : 1 + rng() % 15);
            ApplyGeometry(fast);
            Automaton reference = fast;
            for (int step = 1; step <= 6; ++step) {
                ComputeNextGenerationReference(reference);
                ComputeNextGeneration(fast);
                ASSERT_TRUE(SameState(reference, fast)) << edge.name << ", soup " << soup << ", step " << step;
            }
        }
    }
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
