#include "engine/Automaton.h"

#include <algorithm>
#include <cstring>

namespace vellicor {

int EffectiveMaxHor(const Automaton& a) { return std::clamp(a.wMaxHor, 1, kMaxDimension); }
int EffectiveMaxVer(const Automaton& a) { return std::clamp(a.wMaxVer, 1, kMaxDimension); }

void CopyToOldArray(Automaton& a)
{
    // Whole columns in one copy: the rows below the ring are unused in both arrays, and one
    // block copy costs half of what a copy per column does.
    const int h = EffectiveMaxHor(a);
    std::memcpy(a.byOldArray[0], a.byArray[0], static_cast<size_t>(h + 1) * kColumnStride);
}

void WrapTorus(Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    CellArray& c = a.byArray;
    for (int x = 1; x <= h - 1; ++x) {
        c[x][v] = c[x][1];
        c[x][0] = c[x][v - 1];
    }
    for (int y = 1; y <= v - 1; ++y) {
        c[h][y] = c[1][y];
        c[0][y] = c[h - 1][y];
    }
    c[0][0] = c[h - 1][v - 1];
    c[0][v] = c[h - 1][1];
    c[h][0] = c[1][v - 1];
    c[h][v] = c[1][1];
}

void ApplyGeometry(Automaton& a)
{
    if (a.iGeometryMode != 0)
        WrapTorus(a);
}

namespace {

// A pitch of zero or less (a one-cell-wide array with no gap, or a negative gap from a settings
// file) would divide by zero or give negative counts: no whole tile fits, so the count is 0.
// The step's advance is safe with a count of 0 (see AdvanceTile).
int32_t TilesThatFit(int32_t clientSize, int32_t pitch)
{
    if (pitch <= 0 || clientSize <= 0)
        return 0;
    return clientSize / pitch;
}

} // namespace

void ComputeTileGeometry(Automaton& a)
{
    // 64-bit sums: the gaps come from the settings file and may be anything.
    auto pitch = [](int32_t size, int32_t gap) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t{size} + gap - 1, INT32_MIN, INT32_MAX));
    };
    a.iTilePitchX = pitch(a.wMaxHor, a.iMBitmapHor);
    a.iTilePitchY = pitch(a.wMaxVer, a.iMBitmapVer);
    a.iTilesPerRow = TilesThatFit(a.iMBitmapClientWidth, a.iTilePitchX);
    a.iTilesPerCol = TilesThatFit(a.iMBitmapClientHeight, a.iTilePitchY);
}

void ResetRun(Automaton& a)
{
    a.iChanges = 0;
    a.iLevel = 1;
    a.bIncrementalPaint = 0;
    a.iTileCol = 0;
    a.iTileRow = 0;
    ComputeTileGeometry(a);
    const int liveColumns = EffectiveMaxHor(a) - 1;
    const int liveRows = EffectiveMaxVer(a) - 1;
    a.fCellTotal = static_cast<float>(liveColumns * liveRows);
}

} // namespace vellicor
