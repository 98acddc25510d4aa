// The starts of a field: the random fill's range and repeatability, the tiling and the centring
// of the array.

#include "content/FieldStarts.h"

#include <gtest/gtest.h>

#include <array>

namespace vellicor {
namespace {

Automaton NumberedArray(int width, int height)
{
    Automaton a;
    a.wMaxHor = width + 1;
    a.wMaxVer = height + 1;
    for (int x = 1; x <= width; ++x)
        for (int y = 1; y <= height; ++y)
            a.byArray[x][y] = static_cast<uint8_t>((x * 3 + y * 5) % kStateCount);
    return a;
}

TEST(FieldStartsTest, RandomFillIsUniformOverTheStatesAndRepeatable)
{
    CellField f(200, 100);
    FillFieldRandom(f, 5, 42);
    std::array<int, kStateCount> counts{};
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x)
            ++counts[f.Cell(x, y)];
    for (int s = 0; s < 5; ++s) // 4,000 expected each
        EXPECT_NEAR(4000, counts[s], 300) << "state " << s;
    for (int s = 5; s < kStateCount; ++s)
        EXPECT_EQ(0, counts[s]) << "state " << s;

    CellField same(200, 100), other(200, 100);
    FillFieldRandom(same, 5, 42);
    FillFieldRandom(other, 5, 43);
    int differences = 0;
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x) {
            ASSERT_EQ(f.Cell(x, y), same.Cell(x, y));
            differences += f.Cell(x, y) != other.Cell(x, y);
        }
    EXPECT_GT(differences, 10000);

    // Out of range counts of states are clamped to 2..16.
    FillFieldRandom(f, 99, 1);
    FillFieldRandom(same, 16, 1);
    EXPECT_EQ(f.Cell(17, 3), same.Cell(17, 3));
}

TEST(FieldStartsTest, TilingRepeatsTheLiveCellsFromTheTopLeft)
{
    const Automaton a = NumberedArray(7, 3);
    CellField f(30, 10);
    TileFieldFromArray(f, a);
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x)
            ASSERT_EQ(a.byArray[x % 7 + 1][y % 3 + 1], f.Cell(x, y)) << x << ", " << y;

    Automaton empty;
    empty.wMaxHor = 1;
    TileFieldFromArray(f, empty);
    EXPECT_EQ(0, f.Cell(5, 5));
}

TEST(FieldStartsTest, CentringPutsTheArrayInTheMiddleAndCropsALargerOne)
{
    const Automaton a = NumberedArray(4, 3);
    CellField f(11, 8);
    FillFieldRandom(f, 16, 9);
    CentreArrayInField(f, a);
    // Free space 7 x 5: 3 left and 2 above, the odd cell right and down.
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 5;
            ASSERT_EQ(inside ? a.byArray[x - 2][y - 1] : 0, f.Cell(x, y)) << x << ", " << y;
        }

    const Automaton large = NumberedArray(9, 9);
    CellField small(3, 2);
    CentreArrayInField(small, large);
    // Columns 4..6 and rows 4..5 of 1..9: the odd row cut goes at the bottom.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(large.byArray[x + 4][y + 4], small.Cell(x, y)) << x << ", " << y;
}

} // namespace
} // namespace vellicor
