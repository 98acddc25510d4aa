#pragma once
// The whole automaton: the two cell arrays, the engine counters and the engine-side settings
// (rules, neighbourhood, processing limits, Multi-bitmap tile bookkeeping). One instance per
// program, owned by the application object and passed by reference; tests build their own.
//
// Cell layout. byArray[x][y] holds the state (0..15) of the cell in column x (0 at the left) and
// row y (0 at the top). x is the major index: one column is a run of consecutive bytes, so the
// generation step runs its inner loop down a column. Live cells are 1 <= x <= wMaxHor - 1 and
// 1 <= y <= wMaxVer - 1; the ring x = 0, x = wMaxHor, y = 0, y = wMaxVer around them is never
// computed, drawn, counted or compared: it only feeds the neighbour sums of the edge cells (zero
// or stale in plane geometry, a copy of the opposite edges in torus geometry). Up to 100 live
// cells per side, so 102 positions per dimension.
//
// Columns are kColumnStride bytes apart, and storage holds one spare column, so a vector load
// of a whole column (even of the last one, from row 0 to kColumnStride + a few) stays inside
// the object. Cells beyond the ring are not used.

#include <cstdint>

namespace vellicor {

inline constexpr int kStateCount = 16;
inline constexpr int kSumCount = 10;      // reduced sums 0..9 select a rule column
inline constexpr int kMaxDimension = 101; // largest wMaxHor / wMaxVer: 100 live cells
inline constexpr int kArrayDim = kMaxDimension + 1;
inline constexpr int kColumnStride = 128;

class CellArray {
public:
    uint8_t* operator[](int x) { return storage_ + x * kColumnStride; }
    const uint8_t* operator[](int x) const { return storage_ + x * kColumnStride; }

private:
    alignas(64) uint8_t storage_[(kArrayDim + 1) * kColumnStride] = {};
};

struct Automaton {
    // Cells.
    CellArray byArray;    // current generation
    CellArray byOldArray; // previous generation: the step reads only this one
    int32_t wMaxHor = 14; // live columns 1 .. wMaxHor - 1
    int32_t wMaxVer = 14; // live rows 1 .. wMaxVer - 1

    // Engine counters.
    int32_t iLevel = 1; // level of the generation in byArray; the initial figure is level 1
    int32_t bLimitReached = 0;
    int32_t iChanges = 0;
    float fCellTotal = 0.0f;
    int32_t bIncrementalPaint = 0;
    int32_t iGeometryMode = 0; // 0 plane, 1 torus

    // Rules: iNumAuto is the stored form (bit k: reduced sum k may give this state), iRules the
    // table the step reads. Both start as the Life game "499-8" and always agree.
    int32_t iNumAuto[kStateCount] = {499, 8};
    int32_t iRules[kStateCount][kSumCount] = {
        {1, 1, 0, 0, 1, 1, 1, 1, 1, 0},
        {0, 0, 0, 1, 0, 0, 0, 0, 0, 0},
    };

    // Neighbourhood and modulo. iNeighbours[a][b] weighs the cell at (x + a - 1, y + b - 1).
    int32_t iNeighbours[3][3] = {{1, 1, 1}, {1, 0, 1}, {1, 1, 1}};
    int32_t bHomogeneousMode = 1;
    int32_t iModuloMode = 0;
    int32_t iModuloDefault = 10;
    int32_t iModuloRules = 0;      // derived, see ComputeModuloValues
    int32_t iModuloNeighbours = 0; // derived
    int32_t iModuloStates = 0;     // derived

    // Processing limits.
    int32_t iIterLimit = 500;
    int32_t iIterIncrement = 250;
    int32_t iStep = 1;
    int32_t iContinuousDelay = 0;
    int32_t iContinuousUntil = 500;

    // Multi-bitmap tile bookkeeping, advanced by every step that runs.
    int32_t bDisplaySucc = 0;
    int32_t iMBitmapHor = 5;
    int32_t iMBitmapVer = 5;
    int32_t iTileCol = 0;
    int32_t iTileRow = 0;
    int32_t iTilePitchX = 0;
    int32_t iTilePitchY = 0;
    int32_t iTilesPerRow = 0;
    int32_t iTilesPerCol = 0;
    int32_t iTileX = 0;
    int32_t iTileY = 0;
    // Client size last recorded by the Multi-bitmap window; 0 until it has one.
    int32_t iMBitmapClientWidth = 0;
    int32_t iMBitmapClientHeight = 0;

    // Statistics of the last ComputeStatistics.
    float fStateCount[kStateCount] = {};
    float fStateDensity[kStateCount] = {};
};

// The dimensions every loop uses. Settings files may hold anything; clamping here means no
// loop of the engine can ever index outside the arrays, whatever wMaxHor / wMaxVer say.
int EffectiveMaxHor(const Automaton& a);
int EffectiveMaxVer(const Automaton& a);

// byOldArray = byArray over the live cells and the ring (whole columns 0 .. wMaxHor).
void CopyToOldArray(Automaton& a);
// Fills the ring of byArray from the opposite live edges.
void WrapTorus(Automaton& a);
// WrapTorus in torus geometry, nothing in plane geometry. Every writer of live cells calls it.
void ApplyGeometry(Automaton& a);

// The engine's share of the program's reset: level 1, no changes, full repaint, first tile,
// tile geometry and cell total recomputed. Cells, rules, bLimitReached and iTileX / iTileY stay.
void ResetRun(Automaton& a);
// Tile pitches and tiles per row / column from the array size, the gaps and the recorded
// Multi-bitmap client size. The position is not moved.
void ComputeTileGeometry(Automaton& a);

} // namespace vellicor
