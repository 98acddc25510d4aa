#pragma once
// Which cell a point of a view falls on: the cells start at the origin 10 and are `pitch` pixels
// wide (one pixel in pixel mode). 0 means no interior cell: on or before the origin, or at or
// beyond the last index.

#include <cstdint>

namespace vellicor {

inline int32_t MouseToCell(int32_t position, int32_t pitch, int32_t wMax)
{
    // A pitch below 1 can only come from a hand-edited settings file; it would divide by zero.
    const int32_t p = pitch < 1 ? 1 : pitch;
    const int32_t cell = position <= 10 ? 0 : (position - 10) / p;
    return cell >= wMax ? 0 : cell;
}

} // namespace vellicor
