#pragma once
// The array's size and its starting content: the Null, Standard, Random and Array fill
// initialisations and the size change of the array parameters.
//
// Every operation works on the clamped dimensions of EffectiveMaxHor / EffectiveMaxVer and
// writes nothing outside columns 0..wMaxHor by rows 0..wMaxVer. An array with no live column or
// row (wMaxHor or wMaxVer = 1) is legal: its centre is index 0, so a figure cell that would land
// at index -1 is simply not drawn (the others, on the ring, are), and Random has no cell to fill
// or shuffle and draws nothing.

#include "content/Content.h"
#include "engine/Automaton.h"

#include <cstdint>
#include <functional>

namespace vellicor {

// The program's full reset (level, counters, tiles, cell size, help file) lives above the
// content layer; operations that start a new run are handed it and call it where they must.
using ResetHook = std::function<void()>;

// byArray over the live cells and the ring becomes 0; byOldArray stays.
void ClearArray(Automaton& a);
// Both arrays, ring included, become 0; then the geometry.
void InitNull(Automaton& a);
// A row of three state-1 cells with one under its middle, at the centre of a cleared array.
void InitStandard(Automaton& a);

// Random in its two stages, exposed for tests: the live cells column by column in runs of
// iRandomCount[s] cells of each state s, lowest state first; then every live cell swapped with
// one drawn from the seeded sequence, column drawn before row. The swaps keep the counts exact.
void FillInCountOrder(Automaton& a, const Content& content);
void ShuffleLiveCells(Automaton& a, uint32_t seed);
// Both stages, then the geometry. The shell seeds with the time in seconds; the ring and
// byOldArray are left alone.
void InitRandom(Automaton& a, const Content& content, uint32_t seed);

// A centred rectangle of state-1 cells on a cleared array; odd free space goes right and down.
// Sizes outside 0..live size (only a settings file can hold them) are clamped into it. Neither
// the level nor the counters move: the run goes on.
void InitArrayFill(Automaton& a, const Content& content);

enum class ArraySizeChange {
    kUnchanged,            // same size: cells, level and cell size untouched
    kResized,              // new size, reset, Standard figure, cell size recomputed
    kResizedCellsAdjusted, // the same, and the fixed cell size did not fit the Array window: it
                           // was recomputed once by the dynamic rule; the user is to be told
};

// The OK of the array parameters: width and height are the visible sizes 0..100 (values out of
// that range are clamped). The per-state Random counts are reset and the tile geometry
// recomputed in every case.
ArraySizeChange SetArraySize(Automaton& a, Content& content, CellGeometry& cells, int32_t width, int32_t height,
                             const ResetHook& resetAutomaton);

} // namespace vellicor
