// The field against the 100 x 100 step: the same rule arithmetic on any size, any number of
// threads, plane and torus.

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

// Live cells 0..15 (a field holds nothing else), the ring as the geometry makes it.
Automaton RandomArray(Random& r)
{
    Automaton a;
    a.wMaxHor = r.Pick(2, kMaxDimension);
    a.wMaxVer = r.Pick(2, kMaxDimension);
    a.iGeometryMode = r.Pick(0, 1);
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

CellField FieldOfArray(const Automaton& a)
{
    CellField f(a.wMaxHor - 1, a.wMaxVer - 1);
    for (int x = 0; x < f.Width(); ++x)
        for (int y = 0; y < f.Height(); ++y)
            f.SetCell(x, y, a.byArray[x + 1][y + 1]);
    f.SetRules(a);
    return f;
}

::testing::AssertionResult SameCells(const Automaton& a, const CellField& f)
{
    for (int x = 0; x < f.Width(); ++x)
        for (int y = 0; y < f.Height(); ++y)
            if (f.Cell(x, y) != a.byArray[x + 1][y + 1])
                return ::testing::AssertionFailure() << "cell (" << x << ", " << y << ") is " << int{f.Cell(x, y)}
                                                     << ", the array's " << int{a.byArray[x + 1][y + 1]};
    return ::testing::AssertionSuccess();
}

std::string Describe(const Automaton& a)
{
    std::ostringstream text;
    text << a.wMaxHor - 1 << " x " << a.wMaxVer - 1 << ", geometry " << a.iGeometryMode << ", homogeneous "
         << a.bHomogeneousMode << ", modulo mode " << a.iModuloMode << ", divisor " << ModuloDivisor(a)
         << ", weights";
    for (const auto& column : a.iNeighbours)
        text << ' ' << column[0] << ' ' << column[1] << ' ' << column[2];
    return text.str();
}

TEST(CellFieldTest, StepsAsTheArrayDoesOnRandomSettings)
{
    Random r{std::mt19937(20261207)};
    for (int run = 0; run < 400; ++run) {
        Automaton a = RandomArray(r);
        a.iIterLimit = -1;
        CellField f = FieldOfArray(a);
        f.SetThreads(r.Pick(1, 3));
        for (int step = r.Pick(1, 3); step > 0; --step) {
            ComputeNextGeneration(a);
            f.Step();
            ASSERT_TRUE(SameCells(a, f)) << "run " << run << ": " << Describe(a);
        }
    }
}

} // namespace
} // namespace vellicor
