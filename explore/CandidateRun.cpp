#include "explore/CandidateRun.h"

#include "engine/Rules.h"
#include "engine/Step.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace vellicor {

namespace {

constexpr int kPeriodSample = 8; // generations between the samples of the period-2 test

bool SameLiveCells(const Automaton& a, const CellArray& one, const CellArray& other)
{
    const int h = EffectiveMaxHor(a);
    const auto rows = static_cast<size_t>(EffectiveMaxVer(a) - 1);
    for (int x = 1; x <= h - 1; ++x)
        if (std::memcmp(one[x] + 1, other[x] + 1, rows) != 0)
            return false;
    return true;
}

} // namespace

void PrepareCandidate(Automaton& a, const RuleSet& numAuto)
{
    std::copy(numAuto.begin(), numAuto.end(), a.iNumAuto);
    DecodeRules(a);
    EncodeRules(a);
    a.iLevel = 1;
    a.iIterLimit = 0; // never equal to a level counted up from 1
    a.bLimitReached = 0;
}

void AdoptCandidate(Automaton& a, const RuleSet& numAuto, const Automaton* last)
{
    std::copy(numAuto.begin(), numAuto.end(), a.iNumAuto);
    DecodeRules(a);
    EncodeRules(a);
    if (last != nullptr && last->wMaxHor == a.wMaxHor && last->wMaxVer == a.wMaxVer) {
        a.byArray = last->byArray;
        a.byOldArray = last->byOldArray;
        ApplyGeometry(a);
    }
    a.bIncrementalPaint = 0;
}

RunOutcome RunCandidate(Automaton& a, int32_t generations, bool stopWhenDull, const std::atomic<bool>* cancel)
{
    // A generation kept to be compared with the one two steps later. Once a run repeats with
    // period 2 it does so for ever, so a sample every kPeriodSample generations finds it, a few
    // generations late, for an eighth of the copying; the sample at K - 2 finds a cycle that
    // begins just before the end.
    const auto kept = stopWhenDull ? std::make_unique<CellArray>() : nullptr;
    const auto columnsBytes = static_cast<size_t>(EffectiveMaxHor(a) + 1) * kColumnStride;
    // A run too short to look at twice is looked at once, at K.
    const int32_t earlyLook = generations >= 8 ? generations / 4 : -1;
    int32_t keptGeneration = -1;
    for (int32_t i = 0;; ++i) {
        if (kept && (i % kPeriodSample == 0 || i == generations - 2)) {
            std::memcpy((*kept)[0], a.byArray[0], columnsBytes);
            keptGeneration = i;
        }
        if (i == generations)
            break;
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
            return {RunVerdict::Cancelled, i};
        ComputeNextGeneration(a);
        if (!stopWhenDull)
            continue;
        if (IsStable(a) != 0)
            return {RunVerdict::Freezes, i + 1};
        if (i + 1 == keptGeneration + 2 && SameLiveCells(a, a.byArray, *kept))
            return {RunVerdict::PeriodTwo, i + 1};
        if (i + 1 == earlyLook) {
            const PictureFigures figures = MeasurePicture(a);
            if (IsNearlyUniform(figures))
                return {RunVerdict::DiesOut, i + 1};
            if (figures.structure < kEarlyNoiseBelow)
                return {RunVerdict::Noise, i + 1, figures.structure};
        }
    }
    const PictureFigures figures = MeasurePicture(a);
    if (!stopWhenDull)
        return {RunVerdict::Lively, generations, figures.structure};
    if (IsNearlyUniform(figures))
        return {RunVerdict::DiesOut, generations};
    return {figures.structure < kNoiseBelow ? RunVerdict::Noise : RunVerdict::Lively, generations, figures.structure};
}

} // namespace vellicor
