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

// Pairs of states, first * 16 + second, counted in two tables by turns: neighbouring pairs are
// often alike, and an increment that waits on the one before it halves the speed of the count.
// Taken twice a run, the figure costs as much as a dozen generations even so.
class PairCounts {
public:
    void Count(const uint8_t* first, const uint8_t* second, int n)
    {
        int i = 0;
        for (; i + 1 < n; i += 2) {
            ++even_[Pair(first[i], second[i])];
            ++odd_[Pair(first[i + 1], second[i + 1])];
        }
        if (i < n)
            ++even_[Pair(first[i], second[i])];
    }
    uint32_t Total(size_t pair) const { return even_[pair] + odd_[pair]; }

private:
    static size_t Pair(uint8_t first, uint8_t second) { return (first & 15u) * kStateCount + (second & 15u); }

    std::array<uint32_t, kStateCount * kStateCount> even_{};
    std::array<uint32_t, kStateCount * kStateCount> odd_{};
};

// The cells a run is judged by, columns left..right and rows top..bottom.
struct JudgedCells {
    int left, top, right, bottom;
};

JudgedCells CellsToJudge(const Automaton& a)
{
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    // Edges only where something is left inside them.
    const int edge = a.iGeometryMode == 0 && h > 5 + kPlaneEdge && v > 5 + kPlaneEdge ? kPlaneEdge : 0;
    return {1 + edge, 1 + edge, h - 1 - edge, v - 1 - edge};
}

} // namespace

PictureFigures MeasurePicture(const Automaton& a)
{
    const JudgedCells judged = CellsToJudge(a);
    if (judged.right < judged.left || judged.bottom < judged.top)
        return {};
    PairCounts vertical;
    PairCounts horizontal;
    std::array<uint32_t, kStateCount> cells{};
    const int rows = judged.bottom - judged.top + 1;
    for (int x = judged.left; x <= judged.right; ++x) {
        const uint8_t* column = a.byArray[x] + judged.top;
        vertical.Count(column, column + 1, rows - 1);
        if (x < judged.right)
            horizontal.Count(column, a.byArray[x + 1] + judged.top, rows);
        ++cells[column[rows - 1] & 15u];
    }
    // Every cell but those of the last row is the first of one vertical pair.
    std::array<uint32_t, kStateCount * kStateCount> pairs{};
    std::array<uint32_t, kStateCount> firsts{};
    std::array<uint32_t, kStateCount> seconds{};
    uint32_t pairTotal = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const uint32_t down = vertical.Total(i);
        cells[i / kStateCount] += down;
        pairs[i] = down + horizontal.Total(i);
        firsts[i / kStateCount] += pairs[i];
        seconds[i % kStateCount] += pairs[i];
        pairTotal += pairs[i];
    }
    const auto cellTotal = static_cast<uint32_t>(judged.right - judged.left + 1) * static_cast<uint32_t>(rows);
    PictureFigures figures;
    figures.plainShare = double(*std::max_element(cells.begin(), cells.end())) / cellTotal;
    const double entropy = Entropy(cells, cellTotal);
    // One state (or too few cells to pair) tells nothing, and would divide by zero.
    if (entropy <= 1e-12 || pairTotal == 0)
        return figures;
    // I(first; second) = H(first) + H(second) - H(first, second).
    const double mutual = Entropy(firsts, pairTotal) + Entropy(seconds, pairTotal) - Entropy(pairs, pairTotal);
    // The pairs' marginals differ a little from the cells' counts at the edges: kept within 0..1.
    figures.structure = std::clamp(mutual / entropy, 0.0, 1.0);
    return figures;
}

double StructureFigure(const Automaton& a)
{
    return MeasurePicture(a).structure;
}

} // namespace vellicor
