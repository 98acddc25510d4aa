#pragma once
// Where content may write. "The array" is columns 0..wMaxHor by rows 0..wMaxVer, ring included,
// with the dimensions clamped as the engine clamps them; the live area is the part inside the
// ring. Coordinates are 64-bit so that offsets taken from files or records cannot overflow.

#include "engine/Automaton.h"

#include <cstdint>

namespace vellicor {

inline bool InArray(const Automaton& a, int64_t x, int64_t y)
{
    return x >= 0 && y >= 0 && x <= EffectiveMaxHor(a) && y <= EffectiveMaxVer(a);
}

inline bool InLiveArea(const Automaton& a, int64_t x, int64_t y)
{
    return x >= 1 && y >= 1 && x < EffectiveMaxHor(a) && y < EffectiveMaxVer(a);
}

} // namespace vellicor
