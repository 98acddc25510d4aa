// The field against the 100 x 100 step: the same rule arithmetic on any size, on every
// instruction set and any number of threads, plane and torus.

#include "engine/CellField.h"
#include "engine/FastStep.h"
#include "engine/Step.h"
#include "tests/engine/RandomSettings.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace vellicor {
namespace {

using test::Random;

constexpr FastStepIsa kIsas[] = {FastStepIsa::Portable, FastStepIsa::Sse2, FastStepIsa::Avx2};

// Live cells 0..15 (a field holds nothing else), the ring as the geometry makes it; plane arrays
// keep the zero ring of a new automaton.
Automaton RandomArray(Random& r, int maxSide)
{
    Automaton a;
    a.wMaxHor = r.Pick(2, maxSide + 1);
    a.wMaxVer = r.Pick(2, maxSide + 1);
    a.iGeometryMode = r.Pick(0, 1);
    a.iIterLimit = -1;
    test::RandomRules(r, a);
    test::RandomNeighbourhood(r, a);
    test::RandomModulo(r, a);
    const int largest = r.Of({1, 3, 15});
    const int zeroPercent = r.Pick(0, 95);
    for (int x = 1; x < a.wMaxHor; ++x)
        for (int y = 1; y < a.wMaxVer; ++y)
            a.byArray[x][y] = static_cast<uint8_t>(r.Chance(zeroPercent) ? 0 : r.Pick(1, largest));
    ApplyGeometry(a);
    return a;
}

// The array's live cells repeated across a field of its size times columns x rows.
CellField TiledField(const Automaton& a, int columns, int rows)
{
    const int w = a.wMaxHor - 1;
    const int h = a.wMaxVer - 1;
    CellField f(w * columns, h * rows);
    for (int x = 0; x < f.Width(); ++x)
        for (int y = 0; y < f.Height(); ++y)
            f.SetCell(x, y, a.byArray[x % w + 1][y % h + 1]);
    f.SetRules(a);
    return f;
}

::testing::AssertionResult TilesTheArray(const Automaton& a, const CellField& f)
{
    const int w = a.wMaxHor - 1;
    const int h = a.wMaxVer - 1;
    for (int x = 0; x < f.Width(); ++x)
        for (int y = 0; y < f.Height(); ++y)
            if (f.Cell(x, y) != a.byArray[x % w + 1][y % h + 1])
                return ::testing::AssertionFailure()
                       << "cell (" << x << ", " << y << ") is " << int{f.Cell(x, y)} << ", the array's "
                       << int{a.byArray[x % w + 1][y % h + 1]};
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameCells(const CellField& expected, const CellField& actual)
{
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (expected.Cell(x, y) != actual.Cell(x, y))
                return ::testing::AssertionFailure() << "cell (" << x << ", " << y << ") is " << int{actual.Cell(x, y)}
                                                     << ", expected " << int{expected.Cell(x, y)};
    return ::testing::AssertionSuccess();
}

std::string Describe(const Automaton& a, FastStepIsa isa, int threads)
{
    std::ostringstream text;
    text << a.wMaxHor - 1 << " x " << a.wMaxVer - 1 << ", geometry " << a.iGeometryMode << ", homogeneous "
         << a.bHomogeneousMode << ", divisor " << ModuloDivisor(a) << ", instruction set " << static_cast<int>(isa)
         << ", " << threads << " threads, weights";
    for (const auto& column : a.iNeighbours)
        text << ' ' << column[0] << ' ' << column[1] << ' ' << column[2];
    return text.str();
}

// A field the size of the array equals it in both geometries; a torus field of several copies
// of a torus array stays the copies of its run, which also puts long rows (past the kernels'
// 128-cell runs) under the comparison.
TEST(CellFieldTest, StepsAsTheArrayDoesOnRandomSettings)
{
    Random r{std::mt19937(20261207)};
    int exact = 0, homogeneousBytes = 0, tableBytes = 0, longRows = 0;
    for (int run = 0; run < 600; ++run) {
        Automaton a = RandomArray(r, r.Chance(50) ? 40 : 100);
        const FastStepIsa isa = kIsas[run % 3];
        if (!FastStepIsaAvailable(isa))
            continue;
        const int threads = r.Pick(1, 3);
        const bool tiled = a.iGeometryMode == 1 && r.Chance(50);
        CellField f = TiledField(a, tiled ? r.Pick(1, 4) : 1, tiled ? r.Pick(1, 3) : 1);
        f.SetThreads(threads);
        f.SetInstructionSet(isa);

        const FastStepPlan plan = PlanFastStep(StepRulesOf(a), 128, false, true);
        exact += plan.path == FastStepPath::Exact;
        homogeneousBytes += plan.path == FastStepPath::Bytes && plan.homogeneous != 0;
        tableBytes += plan.path == FastStepPath::Bytes && plan.homogeneous == 0;
        longRows += f.Width() > 128;
        for (int step = r.Pick(1, 3); step > 0; --step) {
            ComputeNextGeneration(a);
            f.Step();
            ASSERT_TRUE(TilesTheArray(a, f)) << "run " << run << ", " << f.Width() << " x " << f.Height() << ": "
                                             << Describe(a, isa, threads);
        }
        EXPECT_EQ(a.iLevel, f.Level());
    }
    EXPECT_GT(exact, 60);
    EXPECT_GT(homogeneousBytes, 60);
    EXPECT_GT(tableBytes, 60);
    EXPECT_GT(longRows, 30);
}

// A weighted sixteen-state rule on the torus, from a random 100 x 100 start.
Automaton SixteenStateTorus(uint32_t seed)
{
    Automaton a;
    a.wMaxHor = a.wMaxVer = kMaxDimension;
    a.iGeometryMode = 1;
    a.iIterLimit = -1;
    a.bHomogeneousMode = 0;
    std::mt19937 rng(seed);
    for (auto& row : a.iRules)
        for (auto& entry : row)
            entry = rng() % 4 == 0 ? 1 : 0;
    for (auto& column : a.iNeighbours)
        for (auto& weight : column)
            weight = static_cast<int32_t>(rng() % 4);
    a.iModuloMode = 1;
    a.iModuloDefault = 7;
    for (int x = 1; x < kMaxDimension; ++x)
        for (int y = 1; y < kMaxDimension; ++y)
            a.byArray[x][y] = static_cast<uint8_t>(rng() % kStateCount);
    ApplyGeometry(a);
    return a;
}

TEST(CellFieldTest, TorusCanvasTiledFromTheArrayStaysItsTiling)
{
    Automaton a = SixteenStateTorus(7);
    CellField f = TiledField(a, 3, 2);
    ASSERT_EQ(300, f.Width());
    ASSERT_EQ(200, f.Height());
    for (int generation = 0; generation < 50; ++generation) {
        ComputeNextGeneration(a);
        f.Step();
    }
    EXPECT_TRUE(TilesTheArray(a, f));
    EXPECT_EQ(51, f.Level());
}

TEST(CellFieldTest, ThreadCountsGiveTheSameCells)
{
    // Seven threads on five rows leave bands without a row.
    for (const auto& [width, height] : {std::pair{333, 257}, std::pair{517, 5}}) {
        for (int geometry : {0, 1}) {
            Automaton a = SixteenStateTorus(11);
            a.iGeometryMode = geometry;
            CellField fields[] = {CellField(width, height), CellField(width, height), CellField(width, height)};
            const int threads[] = {1, 2, 7};
            for (int i = 0; i < 3; ++i) {
                std::mt19937 rng(5);
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        fields[i].SetCell(x, y, static_cast<uint8_t>(rng() % kStateCount));
                fields[i].SetRules(a);
                fields[i].SetThreads(threads[i]);
                for (int generation = 0; generation < 20; ++generation)
                    fields[i].Step();
            }
            EXPECT_TRUE(SameCells(fields[0], fields[1])) << width << " x " << height << ", geometry " << geometry;
            EXPECT_TRUE(SameCells(fields[0], fields[2])) << width << " x " << height << ", geometry " << geometry;
        }
    }
}

TEST(CellFieldTest, SizesAndMemory)
{
    EXPECT_TRUE(FieldSizeAllowed(1, 1));
    EXPECT_TRUE(FieldSizeAllowed(kMaxFieldSide, kMaxFieldSide));
    EXPECT_TRUE(FieldSizeAllowed(kMaxFieldSide, 1));
    EXPECT_FALSE(FieldSizeAllowed(kMaxFieldSide + 1, 1));
    EXPECT_FALSE(FieldSizeAllowed(0, 5));
    EXPECT_FALSE(FieldSizeAllowed(5, -1));
    EXPECT_FALSE(FieldSizeAllowed(int64_t{1} << 40, int64_t{1} << 40));

    // Two bytes a cell and a small constant: a 4K wallpaper in 20 MB.
    EXPECT_LE(CellField(3840, 2160).MemoryBytes(), 20'000'000u);
}

TEST(CellFieldTest, RulesChangeBetweenSteps)
{
    // A torus run, then the plane: the ring a torus step filled must not feed the plane's edges.
    Automaton a = SixteenStateTorus(3);
    a.wMaxHor = 31;
    a.wMaxVer = 17;
    ApplyGeometry(a);
    CellField f = TiledField(a, 1, 1);
    ComputeNextGeneration(a);
    f.Step();
    a.iGeometryMode = 0;
    a.iNeighbours[0][0] = 5;
    for (int x = 0; x <= a.wMaxHor; ++x) // the array's plane ring is zero
        a.byArray[x][0] = a.byArray[x][a.wMaxVer] = 0;
    for (int y = 0; y <= a.wMaxVer; ++y)
        a.byArray[0][y] = a.byArray[a.wMaxHor][y] = 0;
    f.SetRules(a);
    for (int generation = 0; generation < 3; ++generation) {
        ComputeNextGeneration(a);
        f.Step();
        EXPECT_TRUE(TilesTheArray(a, f)) << "generation " << generation;
    }
}

} // namespace
} // namespace vellicor
