#include "content/Initialisation.h"

#include "content/CellBounds.h"
#include "content/LegacyRandom.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vellicor {

namespace {

void ClearCells(const Automaton& a, CellArray& cells)
{
    const int columns = EffectiveMaxHor(a);
    const int rows = EffectiveMaxVer(a);
    for (int x = 0; x <= columns; ++x)
        std::memset(cells[x], 0, static_cast<size_t>(rows) + 1);
}

void SetIfInArray(Automaton& a, int x, int y)
{
    if (InArray(a, x, y))
        a.byArray[x][y] = 1;
}

// The next state after s whose count is not zero, or s itself when none follows: the counts then
// add up to fewer cells than the array has, and the rest of it keeps the last state.
int NextCountedState(const Content& content, int s)
{
    for (int next = s + 1; next < kStateCount; ++next)
        if (content.iRandomCount[next] != 0)
            return next;
    return s;
}

} // namespace

void ClearArray(Automaton& a) { ClearCells(a, a.byArray); }

void InitNull(Automaton& a)
{
    ClearCells(a, a.byArray);
    ClearCells(a, a.byOldArray);
    ApplyGeometry(a);
}

void InitStandard(Automaton& a)
{
    ClearArray(a);
    const int cx = EffectiveMaxHor(a) / 2;
    const int cy = EffectiveMaxVer(a) / 2;
    SetIfInArray(a, cx - 1, cy);
    SetIfInArray(a, cx, cy);
    SetIfInArray(a, cx + 1, cy);
    SetIfInArray(a, cx, cy + 1);
    ApplyGeometry(a);
}

void FillInCountOrder(Automaton& a, const Content& content)
{
    // No count at all (never accepted by the dialog) fills with state 0.
    int s = 0;
    while (s < kStateCount - 1 && content.iRandomCount[s] == 0)
        ++s;
    if (content.iRandomCount[s] == 0)
        s = 0;
    int32_t n = 0;
    const int columns = EffectiveMaxHor(a);
    const int rows = EffectiveMaxVer(a);
    for (int x = 1; x < columns; ++x) {
        for (int y = 1; y < rows; ++y) {
            a.byArray[x][y] = static_cast<uint8_t>(s);
            ++n;
            if (n == content.iRandomCount[s]) {
                s = NextCountedState(content, s);
                n = 0;
            }
        }
    }
}

void ShuffleLiveCells(Automaton& a, uint32_t seed)
{
    const int width = EffectiveMaxHor(a) - 1;
    const int height = EffectiveMaxVer(a) - 1;
    if (width < 1 || height < 1)
        return; // no live cell, and nothing to take a remainder by
    LegacyRandom random(seed);
    for (int x = 1; x <= width; ++x) {
        for (int y = 1; y <= height; ++y) {
            const int rx = random.Next() % width + 1;
            const int ry = random.Next() % height + 1;
            std::swap(a.byArray[x][y], a.byArray[rx][ry]);
        }
    }
}

void InitRandom(Automaton& a, const Content& content, uint32_t seed)
{
    FillInCountOrder(a, content);
    ShuffleLiveCells(a, seed);
    ApplyGeometry(a);
}

void InitArrayFill(Automaton& a, const Content& content)
{
    ClearArray(a);
    const int width = EffectiveMaxHor(a) - 1;
    const int height = EffectiveMaxVer(a) - 1;
    const int fillWidth = std::clamp<int32_t>(content.iArrayFillHorMax, 0, width);
    const int fillHeight = std::clamp<int32_t>(content.iArrayFillVerMax, 0, height);
    const int dx = (width - fillWidth) / 2;
    const int dy = (height - fillHeight) / 2;
    for (int i = 0; i < fillWidth; ++i)
        for (int j = 0; j < fillHeight; ++j)
            a.byArray[1 + dx + i][1 + dy + j] = 1;
    ApplyGeometry(a);
}

ArraySizeChange SetArraySize(Automaton& a, Content& content, CellGeometry& cells, int32_t width, int32_t height,
                             const ResetHook& resetAutomaton)
{
    const int32_t newMaxHor = std::clamp<int32_t>(width, 0, kMaxDimension - 1) + 1;
    const int32_t newMaxVer = std::clamp<int32_t>(height, 0, kMaxDimension - 1) + 1;
    ArraySizeChange change = ArraySizeChange::kUnchanged;
    if (newMaxHor != a.wMaxHor || newMaxVer != a.wMaxVer) {
        a.wMaxHor = newMaxHor;
        a.wMaxVer = newMaxVer;
        if (resetAutomaton)
            resetAutomaton();
        InitNull(a);
        InitStandard(a);
        change = ArraySizeChange::kResized;
        if (cells.bDynamicCell == 0) {
            // 64-bit: a cell width typed in the preferences is stored without a range test.
            const bool fits =
                int64_t{a.wMaxHor} * cells.iCellWidth <= int64_t{cells.iArrayClientWidth} - cells.iOriginX &&
                int64_t{a.wMaxVer} * cells.iCellWidth <= int64_t{cells.iArrayClientHeight} - cells.iOriginY;
            if (!fits) {
                cells.iCellWidth = DynamicCellSize(cells, a);
                change = ArraySizeChange::kResizedCellsAdjusted;
            }
        }
        ComputeCellSize(cells, a);
    }
    ResetRandomCounts(content, a);
    ComputeTileGeometry(a);
    return change;
}

} // namespace vellicor
