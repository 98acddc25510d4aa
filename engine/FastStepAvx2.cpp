// The Bytes path with AVX2: 32 rows of a column per 256-bit vector, byte shuffles for the
// per-position tables and the rule entries. Every function here carries the avx2 target, so
// the rest of the program stays baseline x86-64; ComputeCellsFast calls in only after asking
// the processor.

#include "engine/FastStep.h"

#if defined(__x86_64__)

#include <immintrin.h>

#define VELLICOR_AVX2 __attribute__((target("avx2")))

namespace vellicor::fast {

namespace {

// The same operations on 32 and on 16 lanes: a column of 100 rows is three 32-row chunks
// and a 16-row tail, rather than four 32-row chunks.
struct Wide {
    using V = __m256i;
    static constexpr int kLanes = 32;
    VELLICOR_AVX2 static V Load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    VELLICOR_AVX2 static V LoadTable(const uint8_t* table) { return _mm256_load_si256(reinterpret_cast<const V*>(table)); }
    VELLICOR_AVX2 static void Store(uint8_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
    VELLICOR_AVX2 static V Splat(uint8_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }
    VELLICOR_AVX2 static V Zero() { return _mm256_setzero_si256(); }
    VELLICOR_AVX2 static V AddSat(V x, V y) { return _mm256_adds_epu8(x, y); }
    VELLICOR_AVX2 static V Min(V x, V y) { return _mm256_min_epu8(x, y); }
    VELLICOR_AVX2 static V Sub(V x, V y) { return _mm256_sub_epi8(x, y); }
    VELLICOR_AVX2 static V Or(V x, V y) { return _mm256_or_si256(x, y); }
    VELLICOR_AVX2 static V Lookup(V table, V index) { return _mm256_shuffle_epi8(table, index); }
    // Lanes whose entry has the top bit set (kKeepCell, or outside the live rows) keep the cell.
    VELLICOR_AVX2 static V KeepOrNew(V entry, V cell) { return _mm256_blendv_epi8(entry, cell, entry); }
};

struct Narrow {
    using V = __m128i;
    static constexpr int kLanes = 16;
    VELLICOR_AVX2 static V Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
    VELLICOR_AVX2 static V LoadTable(const uint8_t* table) { return _mm_load_si128(reinterpret_cast<const V*>(table)); }
    VELLICOR_AVX2 static void Store(uint8_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
    VELLICOR_AVX2 static V Splat(uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
    VELLICOR_AVX2 static V Zero() { return _mm_setzero_si128(); }
    VELLICOR_AVX2 static V AddSat(V x, V y) { return _mm_adds_epu8(x, y); }
    VELLICOR_AVX2 static V Min(V x, V y) { return _mm_min_epu8(x, y); }
    VELLICOR_AVX2 static V Sub(V x, V y) { return _mm_sub_epi8(x, y); }
    VELLICOR_AVX2 static V Or(V x, V y) { return _mm_or_si128(x, y); }
    VELLICOR_AVX2 static V Lookup(V table, V index) { return _mm_shuffle_epi8(table, index); }
    VELLICOR_AVX2 static V KeepOrNew(V entry, V cell) { return _mm_blendv_epi8(entry, cell, entry); }
};

template <class Ops>
struct Constants {
    typename Ops::V one;
    typename Ops::V fifteen;
    typename Ops::V entries;
    typename Ops::V reduceBy[4];
};

template <class Ops>
VELLICOR_AVX2 Constants<Ops> MakeConstants(const FastStepPlan& plan)
{
    Constants<Ops> k;
    k.one = Ops::Splat(1);
    k.fifteen = Ops::Splat(15);
    k.entries = Ops::LoadTable(plan.entries);
    for (int r = 0; r < 4; ++r)
        k.reduceBy[r] = Ops::Splat(r < plan.reduceCount ? plan.reduceBy[r] : 0);
    return k;
}

// A chunk's byte sums to cells: the reduction, the rule entry, and the blend that keeps the
// cells without a rule and the rows outside the live ones.
template <class Ops>
VELLICOR_AVX2 inline void FinishChunk(const FastStepPlan& plan, const Constants<Ops>& k, typename Ops::V sum,
                                      typename Ops::V outside, const uint8_t* keep, uint8_t* cells)
{
    // min(s, s - m) is s - m when s >= m and s otherwise: below m the byte subtraction wraps
    // above s, because m < 256.
    for (int r = 0; r < plan.reduceCount; ++r)
        sum = Ops::Min(sum, Ops::Sub(sum, k.reduceBy[r]));
    if (plan.clampSum != 0)
        sum = Ops::Min(sum, k.fifteen);
    const typename Ops::V entry = Ops::Or(Ops::Lookup(k.entries, sum), outside);
    Ops::Store(cells, Ops::KeepOrNew(entry, Ops::Load(keep)));
}

template <ContributionKind Kind, class Ops>
VELLICOR_AVX2 inline typename Ops::V Contribution(typename Ops::V table, typename Ops::V cells, typename Ops::V one)
{
    if constexpr (Kind == ContributionKind::NonZero)
        return Ops::Min(cells, one);
    else if constexpr (Kind == ContributionKind::Constant)
        return Ops::Lookup(table, Ops::Min(cells, one));
    else
        return Ops::Lookup(table, cells);
}

// The column's live rows are WideChunks 32-row chunks and, when NarrowTail, a 16-row chunk
// after them; each position adds to all of them at once.
template <int WideChunks, bool NarrowTail>
struct ColumnSums {
    static constexpr int kTail = WideChunks * Wide::kLanes;
    Wide::V wide[WideChunks > 0 ? WideChunks : 1];
    Narrow::V narrow;
};

template <ContributionKind Kind, int WideChunks, bool NarrowTail>
VELLICOR_AVX2 inline void AddPosition(const FastStepPosition& position, const uint8_t* oldCells,
                                      const Constants<Wide>& wide, const Constants<Narrow>& narrow,
                                      ColumnSums<WideChunks, NarrowTail>& sums)
{
    const uint8_t* neighbours = oldCells + position.offset;
    const Wide::V wideTable = Wide::LoadTable(position.table);
#pragma GCC unroll 4
    for (int c = 0; c < WideChunks; ++c)
        sums.wide[c] = Wide::AddSat(
            sums.wide[c], Contribution<Kind, Wide>(wideTable, Wide::Load(neighbours + c * Wide::kLanes), wide.one));
    if constexpr (NarrowTail) {
        const Narrow::V cells = Narrow::Load(neighbours + sums.kTail);
        sums.narrow = Narrow::AddSat(
            sums.narrow, Contribution<Kind, Narrow>(Narrow::LoadTable(position.table), cells, narrow.one));
    }
}

// A run of cells of one line, oldCells, keep and cells pointing at its first cell. outside holds
// 0x80 for the cells that must keep their bytes (ring and beyond), 0 for the cells computed.
template <int WideChunks, bool NarrowTail>
VELLICOR_AVX2 inline void ComputeColumn(const FastStepPlan& plan, const Constants<Wide>& wide,
                                        const Constants<Narrow>& narrow, const uint8_t* oldCells, const uint8_t* keep,
                                        uint8_t* cells, const uint8_t* outside)
{
    ColumnSums<WideChunks, NarrowTail> sums;
    for (auto& sum : sums.wide)
        sum = Wide::Zero();
    sums.narrow = Narrow::Zero();
    for (int p = 0; p < plan.positionCount; ++p) {
        const FastStepPosition& position = plan.positions[p];
        switch (position.kind) {
        case ContributionKind::NonZero:
            AddPosition<ContributionKind::NonZero>(position, oldCells, wide, narrow, sums);
            break;
        case ContributionKind::Constant:
            AddPosition<ContributionKind::Constant>(position, oldCells, wide, narrow, sums);
            break;
        case ContributionKind::Table:
            AddPosition<ContributionKind::Table>(position, oldCells, wide, narrow, sums);
            break;
        }
    }
#pragma GCC unroll 4
    for (int c = 0; c < WideChunks; ++c)
        FinishChunk<Wide>(plan, wide, sums.wide[c], Wide::Load(outside + c * Wide::kLanes), keep + c * Wide::kLanes,
                          cells + c * Wide::kLanes);
    if constexpr (NarrowTail)
        FinishChunk<Narrow>(plan, narrow, sums.narrow, Narrow::Load(outside + sums.kTail), keep + sums.kTail,
                            cells + sums.kTail);
}

// The cells from offset on of every line.
template <int WideChunks, bool NarrowTail>
VELLICOR_AVX2 void ComputeColumns(const CellLines& cells, const FastStepPlan& plan, ptrdiff_t offset,
                                  const uint8_t* outside)
{
    const Constants<Wide> wide = MakeConstants<Wide>(plan);
    const Constants<Narrow> narrow = MakeConstants<Narrow>(plan);
    const ptrdiff_t stride = cells.stride;
    const int lines = cells.lines;
    const uint8_t* source = cells.source + offset;
    const uint8_t* keep = cells.keep + offset;
    uint8_t* target = cells.target + offset;
    for (int line = 0; line < lines; ++line) {
        const ptrdiff_t start = line * stride;
        ComputeColumn<WideChunks, NarrowTail>(plan, wide, narrow, source + start, keep + start, target + start,
                                              outside + offset);
    }
}

// Homogeneous plans whose positions all contribute min(cell, 1), as Life's do, share work
// between neighbouring columns: a column's three row-shifted loads serve the three output
// columns it borders, as the partial sums of the positions at column offsets -1, 0 and +1.
// One band of rows is swept across all columns, the partials rolling from column to column.
template <class Ops, int Rows>
VELLICOR_AVX2 inline typename Ops::V Partial(typename Ops::V above, typename Ops::V middle, typename Ops::V below)
{
    if constexpr (Rows == 1)
        return above;
    else if constexpr (Rows == 2)
        return middle;
    else if constexpr (Rows == 3)
        return Ops::AddSat(above, middle);
    else if constexpr (Rows == 4)
        return below;
    else if constexpr (Rows == 5)
        return Ops::AddSat(above, below);
    else if constexpr (Rows == 6)
        return Ops::AddSat(middle, below);
    else if constexpr (Rows == 7)
        return Ops::AddSat(Ops::AddSat(above, middle), below);
    else
        return Ops::Zero();
}

template <class Ops>
struct Partials {
    typename Ops::V asLeft;   // what the column adds to the cell on its right
    typename Ops::V asCentre; // to its own cell
    typename Ops::V asRight;  // to the cell on its left
};

// Mask: bit 3 * i + j for iNeighbours[i][j]; column offset i - 1, row offset j - 1.
template <class Ops, int Mask>
VELLICOR_AVX2 inline Partials<Ops> ColumnPartials(const uint8_t* rowAbove, typename Ops::V one)
{
    const typename Ops::V above = Ops::Min(Ops::Load(rowAbove), one);
    const typename Ops::V middle = Ops::Min(Ops::Load(rowAbove + 1), one);
    const typename Ops::V below = Ops::Min(Ops::Load(rowAbove + 2), one);
    return {Partial<Ops, Mask & 7>(above, middle, below), Partial<Ops, (Mask >> 3) & 7>(above, middle, below),
            Partial<Ops, (Mask >> 6) & 7>(above, middle, below)};
}

template <class Ops, int Mask>
VELLICOR_AVX2 void SweepBand(const CellLines& cells, const FastStepPlan& plan, const Constants<Ops>& k,
                             ptrdiff_t offset, const uint8_t* outside)
{
    // Locals, not members: a store through a byte pointer could change any member.
    const typename Ops::V outsideCells = Ops::Load(outside + offset);
    const ptrdiff_t stride = cells.stride;
    const int lines = cells.lines;
    const uint8_t* source = cells.source + offset - 1;
    const uint8_t* keep = cells.keep + offset;
    uint8_t* target = cells.target + offset;
    Partials<Ops> left = ColumnPartials<Ops, Mask>(source - stride, k.one);
    Partials<Ops> centre = ColumnPartials<Ops, Mask>(source, k.one);
    for (int line = 0; line < lines; ++line) {
        const ptrdiff_t start = line * stride;
        const Partials<Ops> right = ColumnPartials<Ops, Mask>(source + start + stride, k.one);
        const typename Ops::V sum = Ops::AddSat(Ops::AddSat(left.asLeft, centre.asCentre), right.asRight);
        FinishChunk<Ops>(plan, k, sum, outsideCells, keep + start, target + start);
        left = centre;
        centre = right;
    }
}

template <int Mask>
VELLICOR_AVX2 void SweepColumns(const CellLines& cells, const FastStepPlan& plan, const uint8_t* outside,
                                int wideChunks, bool narrowTail)
{
    const Constants<Wide> wide = MakeConstants<Wide>(plan);
    for (int band = 0; band < wideChunks; ++band)
        SweepBand<Wide, Mask>(cells, plan, wide, band * Wide::kLanes, outside);
    if (narrowTail)
        SweepBand<Narrow, Mask>(cells, plan, MakeConstants<Narrow>(plan), wideChunks * Wide::kLanes, outside);
}

// The neighbourhood presets: eight neighbours (Life), nine, the five of the cross, the cell
// with the cells above and below it.
constexpr int kEightNeighbours = 0x1FF & ~(1 << 4);
constexpr int kNineNeighbours = 0x1FF;
constexpr int kFiveNeighbours = 0x1FF & ~((1 << 0) | (1 << 2) | (1 << 6) | (1 << 8));
constexpr int kOneDimensional = (1 << 3) | (1 << 4) | (1 << 5);

// True when the plan was swept.
VELLICOR_AVX2 bool SweepIfShared(const CellLines& cells, const FastStepPlan& plan, const uint8_t* outside,
                                 int wideChunks, bool narrowTail)
{
    if (plan.homogeneous == 0)
        return false;
    for (int p = 0; p < plan.positionCount; ++p)
        if (plan.positions[p].kind != ContributionKind::NonZero)
            return false;
    switch (plan.positionMask) {
    case kEightNeighbours: SweepColumns<kEightNeighbours>(cells, plan, outside, wideChunks, narrowTail); return true;
    case kNineNeighbours: SweepColumns<kNineNeighbours>(cells, plan, outside, wideChunks, narrowTail); return true;
    case kFiveNeighbours: SweepColumns<kFiveNeighbours>(cells, plan, outside, wideChunks, narrowTail); return true;
    case kOneDimensional: SweepColumns<kOneDimensional>(cells, plan, outside, wideChunks, narrowTail); return true;
    default: return false;
    }
}

// The run of cells from offset on, of length 1..112 (three 32-lane chunks and a 16-lane tail).
VELLICOR_AVX2 void ComputeRun(const CellLines& cells, const FastStepPlan& plan, ptrdiff_t offset, int length,
                              const uint8_t* outside)
{
    // Up to 16 cells past the last full chunk go to a 16-lane tail, more to one more 32-lane
    // chunk.
    const int full = length / 32;
    const int rest = length % 32;
    const int wideChunks = rest > 16 ? full + 1 : full;
    const bool narrowTail = rest > 0 && rest <= 16;
    switch (wideChunks * 2 + (narrowTail ? 1 : 0)) {
    case 1: ComputeColumns<0, true>(cells, plan, offset, outside); break;
    case 2: ComputeColumns<1, false>(cells, plan, offset, outside); break;
    case 3: ComputeColumns<1, true>(cells, plan, offset, outside); break;
    case 4: ComputeColumns<2, false>(cells, plan, offset, outside); break;
    case 5: ComputeColumns<2, true>(cells, plan, offset, outside); break;
    case 6: ComputeColumns<3, false>(cells, plan, offset, outside); break;
    case 7: ComputeColumns<3, true>(cells, plan, offset, outside); break;
    case 8: ComputeColumns<4, false>(cells, plan, offset, outside); break;
    default: break; // longer runs are split by the caller
    }
}

constexpr int kLongRun = 4 * Wide::kLanes;

// Lines longer than a run: each line in runs of 128 cells, the last run with the rest, so the
// four chunks of a run stay in registers and the line is read front to back once.
VELLICOR_AVX2 void ComputeLongLines(const CellLines& cells, const FastStepPlan& plan, const uint8_t* outside)
{
    const Constants<Wide> wide = MakeConstants<Wide>(plan);
    const Constants<Narrow> narrow = MakeConstants<Narrow>(plan);
    const int fullRuns = (cells.length - 1) / kLongRun; // the last run, full or not, comes after
    const int lastOffset = fullRuns * kLongRun;
    for (int line = 0; line < cells.lines; ++line) {
        const ptrdiff_t start = line * cells.stride;
        for (int run = 0; run < fullRuns; ++run) {
            const ptrdiff_t at = start + run * kLongRun;
            ComputeColumn<4, false>(plan, wide, narrow, cells.source + at, cells.keep + at, cells.target + at,
                                    outside + run * kLongRun);
        }
        ComputeRun(LineRange(cells, line, 1), plan, lastOffset, cells.length - lastOffset, outside);
    }
}

} // namespace

VELLICOR_AVX2 void ComputeBytesAvx2(const CellLines& cells, const FastStepPlan& plan)
{
    const int length = cells.length;
    if (cells.lines <= 0 || length <= 0)
        return;
    // No chunk reaches 32 bytes past the last cell.
    const OutsideMask mask(length);
    const uint8_t* outside = mask.Data();

    const int full = length / 32;
    const int rest = length % 32;
    const int wideChunks = rest > 16 ? full + 1 : full;
    const bool narrowTail = rest > 0 && rest <= 16;
    if (SweepIfShared(cells, plan, outside, wideChunks, narrowTail))
        return;
    if (length <= kLongRun - 16)
        ComputeRun(cells, plan, 0, length, outside);
    else
        ComputeLongLines(cells, plan, outside);
}

VELLICOR_AVX2 uint8_t OrOfOldCellsAvx2(const Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    // Rows 0..v of every column, read as four 32-row vectors; OR distributes over the mask,
    // so the rows past v are masked once at the end.
    __m256i bits[4] = {};
    for (int x = 0; x <= h; ++x)
        for (int c = 0; c < 4; ++c)
            bits[c] = _mm256_or_si256(bits[c], Wide::Load(a.byOldArray[x] + c * 32));
    alignas(32) uint8_t lanes[kColumnStride];
    for (int c = 0; c < 4; ++c)
        _mm256_store_si256(reinterpret_cast<__m256i*>(lanes + c * 32), bits[c]);
    uint8_t result = 0;
    for (int y = 0; y <= v; ++y)
        result = static_cast<uint8_t>(result | lanes[y]);
    return result;
}

} // namespace vellicor::fast

#endif
