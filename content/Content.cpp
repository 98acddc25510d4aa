#include "content/Content.h"

#include <algorithm>
#include <iterator>

namespace vellicor {

void ResetRandomCounts(Content& content, const Automaton& a)
{
    std::fill(std::begin(content.iRandomCount), std::end(content.iRandomCount), 0);
    const int32_t cellCount = (EffectiveMaxHor(a) - 1) * (EffectiveMaxVer(a) - 1);
    content.iRandomCount[0] = cellCount / 2;
    content.iRandomCount[1] = cellCount - content.iRandomCount[0];
}

int32_t DynamicCellSize(const CellGeometry& cells, const Automaton& a)
{
    // A client no larger than the origin (or none recorded yet) leaves no room at all; the cell
    // size is then 1 rather than 0 or negative, so every later division by it is defined and the
    // grid still has a size the next window resize can grow. The divisors use the clamped
    // dimensions, so a settings file cannot make them zero.
    const int64_t width = std::max<int64_t>(0, int64_t{cells.iArrayClientWidth} - cells.iOriginX);
    const int64_t height = std::max<int64_t>(0, int64_t{cells.iArrayClientHeight} - cells.iOriginY);
    const int64_t size = width <= height ? width / (EffectiveMaxHor(a) + 2) : height / (EffectiveMaxVer(a) + 2);
    return static_cast<int32_t>(std::clamp<int64_t>(size, 1, INT32_MAX));
}

void ComputeCellSize(CellGeometry& cells, const Automaton& a)
{
    if (cells.bDynamicCell != 0)
        cells.iCellWidth = DynamicCellSize(cells, a);
}

} // namespace vellicor
