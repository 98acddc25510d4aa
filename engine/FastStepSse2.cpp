// The Bytes path of homogeneous plans on the x86-64 baseline (SSE2), for processors without
// AVX2. SSE2 has no byte shuffle: a homogeneous contribution is a mask of the non-zero cells
// ANDed with the position's constant, and the rule entry is picked by comparing the reduced
// sum with each sum that has a non-zero entry.

#include "engine/FastStep.h"

#if defined(__x86_64__)

#include <emmintrin.h>

namespace vellicor::fast {

namespace {

constexpr int kLanes = 16;
constexpr int kChunks = 4; // 64 rows of a column at a time

struct Sse2Constants {
    __m128i one;
    __m128i nine;
    __m128i fifteen;
    __m128i contribution[9]; // per position: its constant for a non-zero cell
    __m128i reduceBy[4];
    int32_t entryCount = 0;  // sums 0..9 whose entry is not 0
    __m128i entrySum[kSumCount];
    __m128i entryValue[kSumCount];
};

__m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store(uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
__m128i Splat(uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }

Sse2Constants MakeConstants(const FastStepPlan& plan)
{
    Sse2Constants k;
    k.one = Splat(1);
    k.nine = Splat(9);
    k.fifteen = Splat(15);
    for (int p = 0; p < plan.positionCount; ++p)
        k.contribution[p] = Splat(plan.positions[p].table[1]);
    for (int r = 0; r < 4; ++r)
        k.reduceBy[r] = Splat(r < plan.reduceCount ? plan.reduceBy[r] : 0);
    for (int r = 0; r < kSumCount; ++r) {
        if (plan.entries[r] == 0)
            continue;
        k.entrySum[k.entryCount] = Splat(static_cast<uint8_t>(r));
        k.entryValue[k.entryCount] = Splat(plan.entries[r]);
        ++k.entryCount;
    }
    return k;
}

void ComputeRows(const FastStepPlan& plan, const Sse2Constants& k, const uint8_t* oldCells, const uint8_t* keep,
                 uint8_t* cells, const uint8_t* outside)
{
    const __m128i zero = _mm_setzero_si128();
    __m128i sum[kChunks] = {};
    for (int p = 0; p < plan.positionCount; ++p) {
        const FastStepPosition& position = plan.positions[p];
        const uint8_t* neighbours = oldCells + position.offset;
        if (position.kind == ContributionKind::NonZero) {
            for (int c = 0; c < kChunks; ++c)
                sum[c] = _mm_adds_epu8(sum[c], _mm_min_epu8(Load(neighbours + c * kLanes), k.one));
        } else {
            for (int c = 0; c < kChunks; ++c) {
                const __m128i isZero = _mm_cmpeq_epi8(Load(neighbours + c * kLanes), zero);
                sum[c] = _mm_adds_epu8(sum[c], _mm_andnot_si128(isZero, k.contribution[p]));
            }
        }
    }
    for (int r = 0; r < plan.reduceCount; ++r)
        for (int c = 0; c < kChunks; ++c)
            sum[c] = _mm_min_epu8(sum[c], _mm_sub_epi8(sum[c], k.reduceBy[r]));
    if (plan.clampSum != 0)
        for (int c = 0; c < kChunks; ++c)
            sum[c] = _mm_min_epu8(sum[c], k.fifteen);

    for (int c = 0; c < kChunks; ++c) {
        // Reduced sums are 0..15 here, so the signed comparison is safe: 10..15 keep.
        __m128i entry = _mm_or_si128(_mm_cmpgt_epi8(sum[c], k.nine), Load(outside + c * kLanes));
        for (int e = 0; e < k.entryCount; ++e)
            entry = _mm_or_si128(entry, _mm_and_si128(_mm_cmpeq_epi8(sum[c], k.entrySum[e]), k.entryValue[e]));
        const __m128i kept = _mm_cmplt_epi8(entry, zero);
        const __m128i cell = Load(keep + c * kLanes);
        Store(cells + c * kLanes, _mm_or_si128(_mm_and_si128(kept, cell), _mm_andnot_si128(kept, entry)));
    }
}

} // namespace

void ComputeBytesSse2(const CellLines& cells, const FastStepPlan& plan)
{
    // The byte-table positions of non-homogeneous plans need a shuffle SSE2 lacks.
    if (plan.homogeneous == 0) {
        ComputeBytesPortable(cells, plan);
        return;
    }
    const int length = cells.length;
    if (cells.lines <= 0 || length <= 0)
        return;
    // 64-cell groups reach up to 63 bytes past the last cell; the mask keeps every byte there.
    constexpr int groupRows = kChunks * kLanes;
    static_assert(groupRows <= OutsideMask::kPast);
    const OutsideMask outside(length);
    const Sse2Constants k = MakeConstants(plan);
    for (int line = 0; line < cells.lines; ++line) {
        const ptrdiff_t start = line * cells.stride;
        for (int y = 0; y < length; y += groupRows)
            ComputeRows(plan, k, cells.source + start + y, cells.keep + start + y, cells.target + start + y,
                        outside.Data() + y);
    }
}

} // namespace vellicor::fast

#endif
