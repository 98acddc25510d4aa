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
//
// The kernels see lines of consecutive cells (the array's columns, a field's rows) a stride
// apart, and compute any run of them; they write whole vectors, up to 63 bytes past a line's
// last cell, so every line needs that much room after it.

#include "engine/Automaton.h"

#include <cstddef>
#include <cstdint>
#include <vector>

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

// The rule arithmetic of a step, apart from the cells and the geometry.
struct StepRules {
    int32_t iRules[kStateCount][kSumCount] = {};
    int32_t iNeighbours[3][3] = {};
    int32_t bHomogeneousMode = 1;
    int32_t divisor = 10; // as ModuloDivisor forms it
};
StepRules StepRulesOf(const Automaton& a);

// Cells to compute: lines of length cells, stride bytes apart, each line's cells consecutive.
// source points at the first cell in the previous generation (every sum reads it, the ring
// around included), target at the same cell in the one being made; a cell no rule matches
// takes the byte of keep (the target itself for the array's step, which changes only the cells
// a rule matches; the previous generation for a field with two buffers).
struct CellLines {
    const uint8_t* source = nullptr;
    const uint8_t* keep = nullptr;
    uint8_t* target = nullptr;
    ptrdiff_t stride = 0;
    int32_t lines = 0;
    int32_t length = 0;
    bool linesAreColumns = true; // false: lines are rows, and the weights are read transposed
};
// Lines first..first + count - 1 of cells.
CellLines LineRange(const CellLines& cells, int first, int count);

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
    int32_t offset = 0; // byte offset of the neighbour from the cell: line * stride + cell
    ContributionKind kind = ContributionKind::Table;
    alignas(32) uint8_t table[32] = {}; // contributions of states 0..15, repeated for 32 lanes
};

// Everything the kernels need for one step, derived from the settings, the layout of the cells
// and, outside homogeneous mode, whether every cell the sums read is below 16 (only then can
// 16-entry tables cover them).
struct FastStepPlan {
    FastStepPath path = FastStepPath::Exact;
    int32_t homogeneous = 0;
    alignas(32) uint8_t ruleEntries[16] = {}; // reduced sum 0..9 -> state or kKeepCell

    // Bytes path. Positions with an all-zero table are left out.
    alignas(32) uint8_t entries[32] = {}; // reduced byte sum 0..15 -> state or kKeepCell, twice
    int32_t positionCount = 0;
    FastStepPosition positions[9];
    int32_t positionMask = 0;  // bit 3 * (line offset + 1) + cell offset + 1 of each position
    int32_t reduceCount = 0;   // conditional subtractions, largest first
    uint8_t reduceBy[4] = {};  // multiples of the divisor, each below 256
    int32_t clampSum = 0;      // 1: the byte sum may exceed 15; clamp to 15 (above 9: kept)

    // Exact path: the reference's own inputs.
    int32_t divisor = 0;
    int32_t weights[3][3] = {};
};

// The plan of the array's next step, from byOldArray.
FastStepPlan PlanFastStep(const Automaton& a);
FastStepPlan PlanFastStep(const StepRules& rules, ptrdiff_t stride, bool linesAreColumns, bool cellsBelow16);

// The cells of a plan on the chosen instruction set; one that is not available is replaced by
// the best available.
void ComputeCells(const CellLines& cells, const FastStepPlan& plan, FastStepIsa isa);

// The kernels, one per instruction set, all computing the Bytes path of a plan.
namespace fast {

// Per cell of a line, 0 for the cells computed and 0x80 for the bytes past them that a kernel's
// whole vectors cover and must write back unchanged. An array's line lives on the stack.
class OutsideMask {
public:
    static constexpr int kPast = 64;
    explicit OutsideMask(int length);
    OutsideMask(const OutsideMask&) = delete;
    OutsideMask& operator=(const OutsideMask&) = delete;
    const uint8_t* Data() const { return data_; }

private:
    alignas(32) uint8_t short_[kColumnStride + kPast];
    std::vector<uint8_t> long_;
    uint8_t* data_ = short_;
};

void ComputeBytesPortable(const CellLines& cells, const FastStepPlan& plan);
#if defined(__x86_64__)
// Homogeneous plans only: without byte shuffles a table per position would cost more than
// the portable kernel saves.
void ComputeBytesSse2(const CellLines& cells, const FastStepPlan& plan);
void ComputeBytesAvx2(const CellLines& cells, const FastStepPlan& plan);
// The OR of byOldArray over columns 0..liveColumns + 1 and rows 0..liveRows + 1.
uint8_t OrOfOldCellsAvx2(const Automaton& a);
#endif
} // namespace fast

} // namespace vellicor
