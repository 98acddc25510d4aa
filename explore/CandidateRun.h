#pragma once
// One candidate's run: its own copy of the automaton, the candidate's rules, K generations of
// the program's own step, and the verdict of the dull filter.
//
// Dull runs rarely make a picture: a run that dies out (one state on nearly every live cell after
// K generations; see IsNearlyUniform), freezes (a generation equal to the one
// before, at any time within K), settles into a cycle of period 2 (a generation equal to the one
// two before, within K) or ends as noise (a structure figure below kNoiseBelow after K
// generations, explore/Structure.h). Freezing and blinking are found as they happen, and noise is
// looked for once before K too, at K / 4: so most dull runs cost a fraction of K.

#include "explore/RuleCandidates.h"
#include "explore/Structure.h"

#include <atomic>

namespace vellicor {

enum class RunVerdict { Lively, DiesOut, Freezes, PeriodTwo, Noise, Cancelled };

// The early look at K / 4 calls noise only what is far below the mark: some runs from a random
// start gather their structure slowly, and a candidate passed over costs another run. A run that
// is nearly uniform there has died out: on galleries from random starts, 1 in about 3,400 such
// runs was lively and not plain at K.
inline constexpr double kEarlyNoiseBelow = kNoiseBelow / 2;

struct RunOutcome {
    RunVerdict verdict = RunVerdict::Lively;
    int32_t generations = 0; // computed before the verdict: K for a lively run
    double structure = 0.0;  // StructureFigure where the run ended: Lively, Noise (0 for the others)
};

// The rules in both forms, and a run that no iteration limit stops: K generations from level 1.
// Cells, size, neighbourhood, modulo, homogeneous mode and geometry stay as they are.
void PrepareCandidate(Automaton& a, const RuleSet& numAuto);

// K generations of ComputeNextGeneration on a prepared automaton, which ends holding the last
// one. With stopWhenDull the run ends at the first sign of a dull one; without it the verdict is
// Lively or Cancelled, and the structure that of the last generation. cancel, when given, is
// read before every generation.
RunOutcome RunCandidate(Automaton& a, int32_t generations, bool stopWhenDull,
                        const std::atomic<bool>* cancel = nullptr);

// A run has died out when one state holds more than this share of the cells it is judged by. A
// plain square with a few specks, or with the band the border keeps stirring, is as dull as an
// empty one; measured on galleries from random starts (n = 2, 4, 8), the sparse pictures that are
// worth keeping (a dozen blobs or gliders on a ground) mostly lie below 0.975 and the plain ones
// above, though the two overlap between about 0.96 and 0.99: a plain square whose border stirs a
// band deeper than the two rows left out can lie below.
inline constexpr double kPlainAbove = 0.975;

// One state on more than kPlainAbove of the cells MeasurePicture judges (explore/Structure.h):
// in plane geometry not the two outermost rows and columns, which the border keeps stirring.
inline bool IsNearlyUniform(const PictureFigures& figures)
{
    return figures.plainShare > kPlainAbove;
}

// A candidate taken by the program: its rules in both forms, as the Transition rules dialog's OK
// leaves them, and a full repaint. With its last generation (when that has the array's size) the
// cells too, both generations, so that Until stable sees the run as the candidate left it; the
// level and the counters stay, as after a fill: the run goes on from the new picture.
void AdoptCandidate(Automaton& a, const RuleSet& numAuto, const Automaton* last);

} // namespace vellicor
