#include "engine/Step.h"

#include "engine/FastStep.h"
#include "engine/Neighbourhood.h"

#include <algorithm>
#include <cstdint>

namespace vellicor {

namespace {

template <typename ComputeCells>
int Step(Automaton& a, ComputeCells computeCells)
{
    if (a.iLevel == a.iIterLimit || a.iLevel == INT32_MAX) {
        a.bLimitReached = 1;
        return 0;
    }
    a.bLimitReached = 0;
    a.iLevel += 1;
    CopyToOldArray(a);
    computeCells(a);
    AdvanceTile(a);
    ApplyGeometry(a);
    return 1;
}

// Counters that grow without bound when no whole tile fits (a count of 0) wrap to 0 instead of
// overflowing; positions are formed in 64 bits and kept inside the 32-bit range.
int32_t NextCounter(int32_t counter) { return counter == INT32_MAX ? 0 : counter + 1; }

int32_t TilePosition(int32_t index, int32_t pitch, int32_t margin)
{
    const int64_t position = int64_t{index} * pitch + margin;
    return static_cast<int32_t>(std::clamp<int64_t>(position, INT32_MIN, INT32_MAX));
}

} // namespace

void AdvanceTile(Automaton& a)
{
    a.iTileCol = NextCounter(a.iTileCol);
    if (a.iTileCol == a.iTilesPerRow || a.bDisplaySucc != 0 || a.iTileCol == 0) {
        a.iTileCol = 0;
        a.iTileRow = NextCounter(a.iTileRow);
    }
    if (a.iTileRow == a.iTilesPerCol) {
        a.iTileCol = 0;
        a.iTileRow = 0;
    }
    if (a.bDisplaySucc == 0) {
        a.iTileX = TilePosition(a.iTileCol, a.iTilePitchX, a.iMBitmapHor);
        a.iTileY = TilePosition(a.iTileRow, a.iTilePitchY, a.iMBitmapVer);
    } else {
        a.iTileX = 5;
        a.iTileY = TilePosition(a.iTileRow, a.iTilePitchY, 5);
    }
}

void ComputeCellsReference(Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    const int32_t divisor = ModuloDivisor(a);
    for (int x = 1; x <= h - 1; ++x) {
        for (int y = 1; y <= v - 1; ++y) {
            // Weights are unbounded: sum in 64 bits and keep the low 32, which is the signed
            // 32-bit sum the rule is defined on, without the undefined behaviour of overflow.
            int64_t sum = 0;
            for (int i = 0; i <= 2; ++i) {
                for (int j = 0; j <= 2; ++j) {
                    const int c = a.byOldArray[x + i - 1][y + j - 1];
                    const int contribution = a.bHomogeneousMode != 0 ? (c != 0 ? 1 : 0) : c;
                    sum += int64_t{contribution} * a.iNeighbours[i][j];
                }
            }
            const int32_t r = ReduceSum(static_cast<int32_t>(static_cast<uint32_t>(sum)), divisor);
            // A negative remainder or one above 9 has no rule column: it matches no state.
            if (r < 0 || r >= kSumCount)
                continue;
            for (int s = 0; s < kStateCount; ++s)
                if (a.iRules[s][r] == 1)
                    a.byArray[x][y] = static_cast<uint8_t>(s);
        }
    }
}

int ComputeNextGeneration(Automaton& a)
{
    return Step(a, [](Automaton& cells) { ComputeCellsFast(cells); });
}

int ComputeNextGenerationReference(Automaton& a) { return Step(a, ComputeCellsReference); }

int IsStable(const Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    for (int x = 1; x <= h - 1; ++x)
        for (int y = 1; y <= v - 1; ++y)
            if (a.byArray[x][y] != a.byOldArray[x][y])
                return 0;
    return 1;
}

} // namespace vellicor
