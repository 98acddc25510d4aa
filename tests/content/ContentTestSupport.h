#pragma once
// Helpers for the content tests: pictures of any region of a cell array (ring included), the
// cells in a state, a sentinel around the array to catch writes outside it, a reset hook.

#include "content/Initialisation.h"
#include "content/Selection.h"
#include "engine/Automaton.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vellicor::test {

using Cell = std::pair<int, int>; // (x, y)
using Picture = std::vector<std::string>;

// Rows of '.' for 0 and hex digits for 1..15 ('#' above), top row first.
inline Picture Region(const CellArray& cells, int x0, int y0, int x1, int y1)
{
    Picture rows(static_cast<size_t>(y1 - y0 + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            rows[static_cast<size_t>(y - y0)] += cells[x][y] < 16 ? ".123456789abcdef"[cells[x][y]] : '#';
    return rows;
}

inline void Paint(CellArray& cells, int x0, int y0, const Picture& rows)
{
    for (size_t j = 0; j < rows.size(); ++j)
        for (size_t i = 0; i < rows[j].size(); ++i) {
            const char c = rows[j][i];
            cells[x0 + static_cast<int>(i)][y0 + static_cast<int>(j)] =
                static_cast<uint8_t>(c == '.' ? 0 : c <= '9' ? c - '0' : c - 'a' + 10);
        }
}

// The cells of the array (ring included) holding the state.
inline std::set<Cell> CellsInState(const Automaton& a, int state)
{
    std::set<Cell> found;
    for (int x = 0; x <= EffectiveMaxHor(a); ++x)
        for (int y = 0; y <= EffectiveMaxVer(a); ++y)
            if (a.byArray[x][y] == state)
                found.insert({x, y});
    return found;
}

inline void FillStorage(CellArray& cells, uint8_t state)
{
    for (int x = 0; x <= kMaxDimension; ++x)
        for (int y = 0; y <= kMaxDimension; ++y)
            cells[x][y] = state;
}

// Every position of the largest array beyond columns 0..wMaxHor by rows 0..wMaxVer still holds
// the sentinel.
inline bool SentinelIntact(const CellArray& cells, const Automaton& a, uint8_t sentinel)
{
    for (int x = 0; x <= kMaxDimension; ++x)
        for (int y = 0; y <= kMaxDimension; ++y)
            if ((x > EffectiveMaxHor(a) || y > EffectiveMaxVer(a)) && cells[x][y] != sentinel)
                return false;
    return true;
}

// The settings layer's reset stands in as the engine's share of it, counting its calls.
struct CountingReset {
    int calls = 0;
    ResetHook For(Automaton& a)
    {
        return [this, &a] {
            ++calls;
            ResetRun(a);
        };
    }
};

// A rectangle from (x0, y0) to (x1, y1) with its highlight on, and a marked point.
inline Selection Rectangle(int x0, int y0, int x1, int y1, int px = 0, int py = 0)
{
    return Selection{.iSelStartX = x0, .iSelStartY = y0, .iSelEndX = x1, .iSelEndY = y1, .iPointX = px,
                     .iPointY = py, .bRectHighlight = 1, .bCellHighlight = 1};
}

} // namespace vellicor::test
