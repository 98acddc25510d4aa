#include "explore/Thumbnail.h"

#include "explore/CandidateRun.h"

#include <algorithm>
#include <memory>

namespace vellicor {

int32_t ThumbnailGenerations(const Automaton& start)
{
    return std::clamp(start.iStep, 0, kMaxThumbnailGenerations);
}

std::optional<Automaton> GrowThumbnail(const Automaton& start, const std::atomic<bool>* cancel)
{
    const int32_t generations = ThumbnailGenerations(start);
    auto run = std::make_unique<Automaton>(start);
    run->iIterLimit = 0; // never equal to a level counted up from 1: no limit stops the run
    run->bLimitReached = 0;
    if (EffectiveMaxVer(start) - 1 != 1) {
        if (RunCandidate(*run, generations, false, cancel).verdict == RunVerdict::Cancelled)
            return std::nullopt;
        return *run;
    }
    // Row g + 1 of the picture holds generation g.
    auto picture = std::make_unique<Automaton>(start);
    const int rows = std::min(generations + 1, kMaxDimension - 1);
    picture->wMaxVer = rows + 1;
    const int columns = EffectiveMaxHor(start) - 1;
    for (int g = 0; g < rows; ++g) {
        if (g > 0 && RunCandidate(*run, 1, false, cancel).verdict == RunVerdict::Cancelled)
            return std::nullopt;
        for (int x = 1; x <= columns; ++x)
            picture->byArray[x][g + 1] = run->byArray[x][1];
    }
    return *picture;
}

} // namespace vellicor
