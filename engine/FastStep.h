#pragma once
// The optimised cell computation behind ComputeNextGeneration. It gives exactly the cells of
// ComputeCellsReference for every configuration.
//
// How. The 16 x 10 rule table is resolved once per step into one entry per reduced sum (the
// winning state, or kKeepCell). When the weighted sums can be formed exactly in bytes, each of
// the nine block positions becomes a 16-byte table from a cell to its contribution, already
// reduced by the divisor, and a column of cells is computed 16 or 32 rows at a time: nine
// shifted column loads, a table lookup each, a byte sum, a few conditional subtractions of
// multiples of the divisor, one lookup of the entry, a blend with the cell where it is kept.
// Homogeneous neighbourhoods of the presets with every weight 1 (Life's among them) go further
// with AVX2: a band of rows is swept across the columns, each column's loads shared by the
// three output columns it borders.
// Byte sums are exact when every weight has the same sign (a sum that cannot change sign can
// be reduced by its magnitude), no sum can wrap past 32 bits, and either the divisor is 1..16 in
// magnitude (contributions are stored reduced) or no sum can reach it (nothing to reduce; the
// byte sum saturates, and every saturated sum is above 9 and keeps the cell, as the true sum
// does). Everything else (mixed signs, sums that wrap, large divisors that sums can reach, cells
// above 15 outside homogeneous mode) takes an exact scalar path that repeats the reference
// arithmetic, 32-bit wrapping included.

#include "engine/Automaton.h"

#include <cstdint>

namespace vellicor {

// The step the program runs: the widest instruction set of this processor.
void ComputeCellsFast(Automaton& a);

// Which code computes the cells. Best picks at run time; the others exist so that tests can
// hold every variant against the reference on any machine that can run it.
enum class FastStepIsa {
    Best,
    Portable, // plain C++, what machines other than x86-64 run
    Sse2,     // the x86-64 baseline
    Avx2,
};
// False for an instruction set this build or this processor cannot run.
bool FastStepIsaAvailable(FastStepIsa isa);
// ComputeCellsFast with a chosen instruction set, which must be available.
void ComputeCellsFast(Automaton& a, FastStepIsa isa);

inline constexpr uint8_t kKeepCell = 0xFF; // entry of a reduced sum that matches no state

enum class FastStepPath {
    Bytes, // exact byte sums, vectorised
    Exact, // the reference arithmetic, scalar
};

// How one position of the 3 x 3 block contributes to the byte sum.
enum class ContributionKind : uint8_t {
    NonZero,  // homogeneous, contribution 1: min(cell, 1)
    Constant, // homogeneous: table[1] for a non-zero cell, 0 for a zero cell
    Table,    // table[cell], cells 0..15
};

struct FastStepPosition {
    int32_t offset = 0; // byte offset of the neighbour from the cell: column * kColumnStride + row
    ContributionKind kind = ContributionKind::Table;
    alignas(32) uint8_t table[32] = {}; // contributions of states 0..15, repeated for 32 lanes
};

// Everything the kernels need for one step, derived from the settings and, outside homogeneous
// mode, from the cells of byOldArray (they decide whether 16-entry tables can cover them).
struct FastStepPlan {
    FastStepPath path = FastStepPath::Exact;
    int32_t liveColumns = 0; // EffectiveMaxHor - 1
    int32_t liveRows = 0;    // EffectiveMaxVer - 1
    int32_t homogeneous = 0;

    // Bytes path. Positions with an all-zero table are left out.
    alignas(32) uint8_t entries[32] = {}; // reduced byte sum 0..15 -> state or kKeepCell, twice
    int32_t positionCount = 0;
    FastStepPosition positions[9];
    int32_t positionMask = 0;  // bit 3 * i + j for each iNeighbours[i][j] in positions
    int32_t reduceCount = 0;   // conditional subtractions, largest first
    uint8_t reduceBy[4] = {};  // multiples of the divisor, each below 256
    int32_t clampSum = 0;      // 1: the byte sum may exceed 15; clamp to 15 (above 9: kept)

    // Exact path: the reference's own inputs.
    int32_t divisor = 0;
    int32_t weights[3][3] = {};
};

FastStepPlan PlanFastStep(const Automaton& a);

// The kernels, one per instruction set, all computing the Bytes path of a plan.
namespace fast {
void ComputeBytesPortable(Automaton& a, const FastStepPlan& plan);
#if defined(__x86_64__)
// Homogeneous plans only: without byte shuffles a table per position would cost more than
// the portable kernel saves.
void ComputeBytesSse2(Automaton& a, const FastStepPlan& plan);
void ComputeBytesAvx2(Automaton& a, const FastStepPlan& plan);
// The OR of byOldArray over columns 0..liveColumns + 1 and rows 0..liveRows + 1.
uint8_t OrOfOldCellsAvx2(const Automaton& a);
#endif
} // namespace fast

} // namespace vellicor
