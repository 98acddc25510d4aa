#pragma once
// Cell pictures for tests: rows of characters, '.' for state 0, '0'..'9' and 'a'..'f' for the
// states, top row first, placed with the first character at live cell (1, 1).

#include "engine/Automaton.h"

#include <string>
#include <vector>

namespace vellicor::test {

inline int StateOf(char c)
{
    if (c == '.')
        return 0;
    if (c >= '0' && c <= '9')
        return c - '0';
    return c - 'a' + 10;
}

inline char CharOf(int state) { return state == 0 ? '.' : "0123456789abcdef"[state]; }

inline void SetLiveCells(Automaton& a, const std::vector<std::string>& rows)
{
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            a.byArray[static_cast<int>(x) + 1][static_cast<int>(y) + 1] =
                static_cast<uint8_t>(StateOf(rows[y][x]));
}

inline std::vector<std::string> LiveCells(const Automaton& a)
{
    std::vector<std::string> rows;
    for (int y = 1; y <= a.wMaxVer - 1; ++y) {
        std::string row;
        for (int x = 1; x <= a.wMaxHor - 1; ++x)
            row += CharOf(a.byArray[x][y]);
        rows.push_back(row);
    }
    return rows;
}

} // namespace vellicor::test
