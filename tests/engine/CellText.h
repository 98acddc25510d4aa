#pragma once
// Cell pictures for tests: rows of characters, '.' for state 0, '1'..'9' and 'a'..'f' for the
// states, top row first, placed with the first character at live cell (1, 1).

#include "engine/Automaton.h"

#include <string>
#include <vector>

namespace vellicor::test {

inline void SetLiveCells(Automaton& a, const std::vector<std::string>& rows)
{
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            a.byArray[x + 1][y + 1] = static_cast<uint8_t>(c == '.' ? 0 : c <= '9' ? c - '0' : c - 'a' + 10);
        }
}

inline std::vector<std::string> LiveCells(const Automaton& a)
{
    std::vector<std::string> rows(static_cast<size_t>(a.wMaxVer - 1));
    for (int y = 1; y <= a.wMaxVer - 1; ++y)
        for (int x = 1; x <= a.wMaxHor - 1; ++x)
            rows[static_cast<size_t>(y - 1)] += ".123456789abcdef"[a.byArray[x][y]];
    return rows;
}

} // namespace vellicor::test
