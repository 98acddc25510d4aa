#include "engine/FastStep.h"

#include "engine/Neighbourhood.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vellicor {

namespace {

constexpr int64_t kTwoPow31 = int64_t{1} << 31;

// The entry of each reduced sum: the highest state whose rule contains it, as the reference's
// ascending overwrite leaves it.
template <class Rules>
void ResolveRules(const Rules& rules, uint8_t (&entries)[16])
{
    std::fill(entries, entries + 16, kKeepCell);
    for (int s = 0; s < kStateCount; ++s)
        for (int r = 0; r < kSumCount; ++r)
            entries[r] = rules.iRules[s][r] == 1 ? static_cast<uint8_t>(s) : entries[r];
}

uint8_t OrOfOldCellsPortable(const Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    uint8_t bits = 0;
    for (int x = 0; x <= h; ++x)
        for (int y = 0; y <= v; ++y)
            bits = static_cast<uint8_t>(bits | a.byOldArray[x][y]);
    return bits;
}

uint8_t OrOfOldCells(const Automaton& a)
{
#if defined(__x86_64__)
    if (FastStepIsaAvailable(FastStepIsa::Avx2))
        return fast::OrOfOldCellsAvx2(a);
#endif
    return OrOfOldCellsPortable(a);
}

// Fills the Bytes part of the plan, or returns false when byte sums could differ from the
// reference's 32-bit arithmetic.
template <class Rules>
bool PlanByteSums(const Rules& rules, ptrdiff_t stride, bool linesAreColumns, bool cellsBelow16,
                  FastStepPlan& plan)
{
    bool nonNegative = true;
    bool nonPositive = true;
    for (const auto& column : rules.iNeighbours) {
        for (int32_t weight : column) {
            nonNegative = nonNegative && weight >= 0;
            nonPositive = nonPositive && weight <= 0;
        }
    }
    if (!nonNegative && !nonPositive)
        return false;

    // Outside homogeneous mode the tables have 16 entries: one larger cell anywhere a sum reads
    // sends the whole step down the exact path.
    const int64_t largestValue = plan.homogeneous != 0 ? 1 : kStateCount - 1;
    int64_t largestMagnitude = 0;
    for (const auto& column : rules.iNeighbours)
        for (int32_t weight : column)
            largestMagnitude += std::abs(int64_t{weight}) * largestValue;
    // A sum beyond the 32-bit range wraps in the reference and would change its sign.
    if (largestMagnitude > (nonNegative ? int64_t{INT32_MAX} : kTwoPow31))
        return false;

    // The remainder of truncating division has the magnitude of |sum| % |divisor| and the sign
    // of the sum, so a one-signed sum is reduced by its magnitude alone.
    const int64_t divisor = std::abs(int64_t{plan.divisor});
    bool reduce = false;
    if (plan.divisor == 0 || largestMagnitude < divisor)
        reduce = false;
    else if (divisor <= 16)
        reduce = true;
    else
        return false;

    if (plan.homogeneous == 0 && !cellsBelow16)
        return false;

    std::copy(plan.ruleEntries, plan.ruleEntries + 16, plan.entries);
    std::copy(plan.ruleEntries, plan.ruleEntries + 16, plan.entries + 16);
    if (!nonNegative) {
        // A negative remainder matches no state: only a sum of magnitude 0 (mod the divisor)
        // reaches a rule column, column 0.
        for (int r = 1; r < 16; ++r)
            plan.entries[r] = plan.entries[r + 16] = kKeepCell;
    }

    int largestSum = 0;
    plan.positionCount = 0;
    plan.positionMask = 0;
    for (int i = 0; i <= 2; ++i) {
        for (int j = 0; j <= 2; ++j) {
            const int64_t magnitude = std::abs(int64_t{rules.iNeighbours[i][j]});
            FastStepPosition& position = plan.positions[plan.positionCount];
            uint8_t* table = position.table;
            int largest = 0;
            if (plan.homogeneous != 0) {
                largest = static_cast<int>(reduce ? magnitude % divisor : std::min<int64_t>(magnitude, 255));
                std::fill(table, table + 32, static_cast<uint8_t>(largest));
                table[0] = table[16] = 0;
            } else if (!reduce) {
                for (int c = 0; c < kStateCount; ++c)
                    table[c] = table[c + 16] = static_cast<uint8_t>(std::min<int64_t>(c * magnitude, 255));
                largest = table[kStateCount - 1];
            } else {
                // c * weight mod divisor, stepping by the weight's remainder: one division.
                const int step = static_cast<int>(magnitude % divisor);
                int contribution = 0;
                for (int c = 0; c < kStateCount; ++c) {
                    table[c] = table[c + 16] = static_cast<uint8_t>(contribution);
                    largest = std::max(largest, contribution);
                    contribution += step;
                    contribution -= contribution >= divisor ? static_cast<int>(divisor) : 0;
                }
            }
            if (largest == 0)
                continue; // contributes nothing
            // iNeighbours[i][j] weighs the cell i - 1 columns right and j - 1 rows down.
            const int line = linesAreColumns ? i : j;
            const int cell = linesAreColumns ? j : i;
            position.offset = static_cast<int32_t>((line - 1) * stride + (cell - 1));
            plan.positionMask |= 1 << (3 * line + cell);
            if (plan.homogeneous == 0)
                position.kind = ContributionKind::Table;
            else
                position.kind = largest == 1 ? ContributionKind::NonZero : ContributionKind::Constant;
            largestSum += largest;
            ++plan.positionCount;
        }
    }

    // Reduced contributions sum to at most 9 * 15 < 16 * divisor. Each conditional
    // subtraction of k * divisor halves the range, [0, 2k * divisor) to [0, k * divisor); the
    // ones the largest sum never reaches are skipped.
    plan.reduceCount = 0;
    plan.clampSum = 0;
    if (reduce) {
        for (int k = 8; k >= 1; k /= 2) {
            const int step = k * static_cast<int>(divisor);
            if (largestSum >= step) {
                plan.reduceBy[plan.reduceCount++] = static_cast<uint8_t>(step);
                largestSum = std::max(step - 1, largestSum - step);
            }
        }
    } else {
        // Byte sums saturate at 255; every sum above 9 keeps the cell, so clamping at 15
        // (an entry that keeps) loses nothing.
        plan.clampSum = largestSum > 15 ? 1 : 0;
    }
    return true;
}

// The reference arithmetic with the rule table resolved once: sums of a line first (32-bit
// wrapping products, as the reference keeps the low 32 bits of its 64-bit sum), then the
// reduction and the rule for each cell.
void ComputeExact(const CellLines& cells, const FastStepPlan& plan)
{
    const int length = cells.length;
    std::vector<uint32_t> sums(static_cast<size_t>(length));
    for (int line = 0; line < cells.lines; ++line) {
        const ptrdiff_t start = line * cells.stride;
        std::fill(sums.begin(), sums.end(), 0u);
        for (int i = 0; i <= 2; ++i) {
            for (int j = 0; j <= 2; ++j) {
                const ptrdiff_t offset = cells.linesAreColumns ? (i - 1) * cells.stride + (j - 1)
                                                               : (j - 1) * cells.stride + (i - 1);
                const uint8_t* neighbours = cells.source + start + offset;
                const uint32_t weight = static_cast<uint32_t>(plan.weights[i][j]);
                if (plan.homogeneous != 0)
                    for (int k = 0; k < length; ++k)
                        sums[k] += (neighbours[k] != 0 ? 1u : 0u) * weight;
                else
                    for (int k = 0; k < length; ++k)
                        sums[k] += neighbours[k] * weight;
            }
        }
        for (int k = 0; k < length; ++k) {
            const int32_t r = ReduceSum(static_cast<int32_t>(sums[k]), plan.divisor);
            const bool kept = r < 0 || r >= kSumCount || plan.ruleEntries[r] == kKeepCell;
            cells.target[start + k] = kept ? cells.keep[start + k] : plan.ruleEntries[r];
        }
    }
}

// A byte sum (saturated at 255) -> the cell's entry, with the plan's reduction applied.
void MakeSumEntries(const FastStepPlan& plan, uint8_t (&sumEntries)[256])
{
    for (int sum = 0; sum < 256; ++sum) {
        int r = sum;
        for (int k = 0; k < plan.reduceCount; ++k)
            if (r >= plan.reduceBy[k])
                r -= plan.reduceBy[k];
        if (plan.clampSum != 0)
            r = std::min(r, 15);
        sumEntries[sum] = r < 16 ? plan.entries[r] : kKeepCell;
    }
}

template <bool Homogeneous>
void BytesPortable(const CellLines& cells, const FastStepPlan& plan)
{
    uint8_t sumEntries[256];
    MakeSumEntries(plan, sumEntries);
    for (int line = 0; line < cells.lines; ++line) {
        const ptrdiff_t start = line * cells.stride;
        const uint8_t* oldCells = cells.source + start;
        for (int k = 0; k < cells.length; ++k) {
            int sum = 0;
            for (int p = 0; p < plan.positionCount; ++p) {
                const FastStepPosition& position = plan.positions[p];
                const uint8_t cell = oldCells[k + position.offset];
                sum += position.table[Homogeneous ? (cell != 0 ? 1 : 0) : cell];
            }
            const uint8_t entry = sumEntries[std::min(sum, 255)];
            cells.target[start + k] = entry != kKeepCell ? entry : cells.keep[start + k];
        }
    }
}

// Automaton and StepRules name their members alike; the array's plan reads the automaton itself
// rather than a copy, as it is made at every step.
template <class Rules>
FastStepPlan MakePlan(const Rules& rules, int32_t divisor, ptrdiff_t stride, bool linesAreColumns, bool cellsBelow16)
{
    FastStepPlan plan;
    plan.homogeneous = rules.bHomogeneousMode != 0 ? 1 : 0;
    plan.divisor = divisor;
    std::memcpy(plan.weights, rules.iNeighbours, sizeof plan.weights);
    ResolveRules(rules, plan.ruleEntries);
    plan.path = PlanByteSums(rules, stride, linesAreColumns, cellsBelow16, plan) ? FastStepPath::Bytes
                                                                                 : FastStepPath::Exact;
    return plan;
}

} // namespace

StepRules StepRulesOf(const Automaton& a)
{
    StepRules rules;
    std::memcpy(rules.iRules, a.iRules, sizeof rules.iRules);
    std::memcpy(rules.iNeighbours, a.iNeighbours, sizeof rules.iNeighbours);
    rules.bHomogeneousMode = a.bHomogeneousMode;
    rules.divisor = ModuloDivisor(a);
    return rules;
}

CellLines LineRange(const CellLines& cells, int first, int count)
{
    CellLines range = cells;
    const ptrdiff_t start = first * cells.stride;
    range.source += start;
    range.keep += start;
    range.target += start;
    range.lines = count;
    return range;
}

FastStepPlan PlanFastStep(const Automaton& a)
{
    // Outside homogeneous mode a cell above 15 anywhere a sum reads needs the exact path.
    const bool cellsBelow16 = a.bHomogeneousMode != 0 || OrOfOldCells(a) < kStateCount;
    return MakePlan(a, ModuloDivisor(a), kColumnStride, true, cellsBelow16);
}

FastStepPlan PlanFastStep(const StepRules& rules, ptrdiff_t stride, bool linesAreColumns, bool cellsBelow16)
{
    return MakePlan(rules, rules.divisor, stride, linesAreColumns, cellsBelow16);
}

namespace fast {

OutsideMask::OutsideMask(int length)
{
    if (length > kColumnStride) {
        long_.resize(static_cast<size_t>(length) + kPast);
        data_ = long_.data();
    }
    std::memset(data_, 0, static_cast<size_t>(length));
    std::memset(data_ + length, 0x80, kPast);
}

void ComputeBytesPortable(const CellLines& cells, const FastStepPlan& plan)
{
    if (plan.homogeneous != 0)
        BytesPortable<true>(cells, plan);
    else
        BytesPortable<false>(cells, plan);
}

} // namespace fast

bool FastStepIsaAvailable(FastStepIsa isa)
{
    switch (isa) {
    case FastStepIsa::Best:
    case FastStepIsa::Portable:
        return true;
#if defined(__x86_64__)
    case FastStepIsa::Sse2:
        return true;
    case FastStepIsa::Avx2:
        return __builtin_cpu_supports("avx2") != 0;
#else
    case FastStepIsa::Sse2:
    case FastStepIsa::Avx2:
        return false;
#endif
    }
    return false;
}

void ComputeCellsFast(Automaton& a) { ComputeCellsFast(a, FastStepIsa::Best); }

void ComputeCellsFast(Automaton& a, FastStepIsa isa)
{
    CellLines cells;
    cells.source = a.byOldArray[1] + 1;
    cells.keep = cells.target = a.byArray[1] + 1;
    cells.stride = kColumnStride;
    cells.lines = EffectiveMaxHor(a) - 1;
    cells.length = EffectiveMaxVer(a) - 1;
    ComputeCells(cells, PlanFastStep(a), isa);
}

void ComputeCells(const CellLines& cells, const FastStepPlan& plan, FastStepIsa isa)
{
    if (cells.lines <= 0 || cells.length <= 0)
        return;
    if (plan.path == FastStepPath::Exact) {
        ComputeExact(cells, plan);
        return;
    }
    // An instruction set the processor lacks is never run: the best one it has stands in.
    if (isa == FastStepIsa::Best || !FastStepIsaAvailable(isa))
        isa = FastStepIsaAvailable(FastStepIsa::Avx2) ? FastStepIsa::Avx2 : FastStepIsa::Sse2;
#if defined(__x86_64__)
    if (isa == FastStepIsa::Avx2) {
        fast::ComputeBytesAvx2(cells, plan);
        return;
    }
    if (isa == FastStepIsa::Sse2 && plan.homogeneous != 0) {
        fast::ComputeBytesSse2(cells, plan);
        return;
    }
#endif
    fast::ComputeBytesPortable(cells, plan);
}

} // namespace vellicor
