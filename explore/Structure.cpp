#include "explore/Structure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vellicor {

namespace {

constexpr int kPlaneEdge = 2;

// -sum p log2 p of counts adding up to total.
template <size_t N> double Entropy(const std::array<uint32_t, N>& counts, double total)
{
    double h = 0.0;
    for (const uint32_t n : counts)
        if (n > 0) {
            const double p = n / total;
            h -= p * std::log2(p);
        }
    return h;
}

} // namespace

JudgedCells CellsToJudge(const Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    // Edges only where something is left inside them.
    const int edge = a.iGeometryMode == 0 && h > 5 + kPlaneEdge && v > 5 + kPlaneEdge ? kPlaneEdge : 0;
    return {1 + edge, 1 + edge, h - 1 - edge, v - 1 - edge};
}

double StructureFigure(const Automaton& a)
{
    const JudgedCells judged = CellsToJudge(a);
    std::array<uint32_t, kStateCount> cells{};
    std::array<uint32_t, kStateCount * kStateCount> pairs{}; // first * 16 + second
    uint32_t cellTotal = 0;
    for (int x = judged.left; x <= judged.right; ++x) {
        const uint8_t* column = a.byArray[x];
        const uint8_t* next = a.byArray[x + 1];
        for (int y = judged.top; y <= judged.bottom; ++y) {
            const unsigned s = column[y] & 15u;
            ++cells[s];
            ++cellTotal;
            if (y < judged.bottom)
                ++pairs[s * kStateCount + (column[y + 1] & 15u)];
            if (x < judged.right)
                ++pairs[s * kStateCount + (next[y] & 15u)];
        }
    }
    uint32_t pairTotal = 0;
    for (const uint32_t n : pairs)
        pairTotal += n;
    const double entropy = cellTotal > 0 ? Entropy(cells, cellTotal) : 0.0;
    // One state (or too few cells to pair) tells nothing, and would divide by zero.
    if (entropy <= 1e-12 || pairTotal == 0)
        return 0.0;
    std::array<uint32_t, kStateCount> firsts{};
    std::array<uint32_t, kStateCount> seconds{};
    for (size_t i = 0; i < pairs.size(); ++i) {
        firsts[i / kStateCount] += pairs[i];
        seconds[i % kStateCount] += pairs[i];
    }
    // I(first; second) = H(first) + H(second) - H(first, second).
    const double mutual = Entropy(firsts, pairTotal) + Entropy(seconds, pairTotal) - Entropy(pairs, pairTotal);
    // The pairs' marginals differ a little from the cells' counts at the edges: kept within 0..1.
    return std::clamp(mutual / entropy, 0.0, 1.0);
}

} // namespace vellicor
