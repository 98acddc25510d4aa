#pragma once
// The picture of an automaton in the collection's gallery, grown from its cells as the rule
// explorer grows its candidates: the program's own step, run for the automaton's iStep
// generations, the picture one Next (Ctrl+N) shows after the file is opened. A collection file
// keeps in iStep the generation at which its picture is at its best.
//
// An array of one live row has no picture in a single generation: its thumbnail holds the
// generations 0, 1, 2, ... one under another, the space-time picture the Multi-bitmap sheet draws
// with bDisplaySucc, as many as an array has rows.

#include "engine/Automaton.h"

#include <atomic>
#include <optional>

namespace vellicor {

// More would keep a worker busy for minutes on a file whose iStep is meant for one long Next.
inline constexpr int32_t kMaxThumbnailGenerations = 10000;

// iStep held to 0 .. kMaxThumbnailGenerations.
int32_t ThumbnailGenerations(const Automaton& start);

// The automaton whose live cells are the thumbnail (for one live row, a taller array holding the
// stacked generations); nothing when cancel was set before it was done. cancel is read before
// every generation.
std::optional<Automaton> GrowThumbnail(const Automaton& start, const std::atomic<bool>* cancel = nullptr);

} // namespace vellicor
