#include "content/FieldStarts.h"

#include <algorithm>
#include <random>

namespace vellicor {

void ClearField(CellField& f)
{
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x)
            f.SetCell(x, y, 0);
}

void FillFieldRandom(CellField& f, int states, uint32_t seed)
{
    const uint64_t n = static_cast<uint64_t>(std::clamp(states, 2, kStateCount));
    // mt19937's sequence is fixed by the standard; the multiply-shift reduction of a 32-bit draw
    // is uniform within n / 2^32, far below anything a picture shows.
    std::mt19937 generator(seed);
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x)
            f.SetCell(x, y, static_cast<uint8_t>((uint64_t{generator()} * n) >> 32));
}

void TileFieldFromArray(CellField& f, const Automaton& a)
{
    const int w = EffectiveMaxHor(a) - 1;
    const int h = EffectiveMaxVer(a) - 1;
    if (w <= 0 || h <= 0) {
        ClearField(f);
        return;
    }
    for (int y = 0; y < f.Height(); ++y)
        for (int x = 0; x < f.Width(); ++x)
            f.SetCell(x, y, a.byArray[x % w + 1][y % h + 1]);
}

void CentreArrayInField(CellField& f, const Automaton& a)
{
    ClearField(f);
    const int w = EffectiveMaxHor(a) - 1;
    const int h = EffectiveMaxVer(a) - 1;
    // Field cell (x, y) shows array cell (x - dx + 1, y - dy + 1); dx or dy negative when the
    // array is the larger, which crops it to its middle.
    const int dx = (f.Width() - w) / 2;
    const int dy = (f.Height() - h) / 2;
    for (int x = std::max(0, dx); x < std::min(f.Width(), dx + w); ++x)
        for (int y = std::max(0, dy); y < std::min(f.Height(), dy + h); ++y)
            f.SetCell(x, y, a.byArray[x - dx + 1][y - dy + 1]);
}

} // namespace vellicor
