#pragma once
// The two families of ready-made figures, as fixed tables of state-1 cells. A figure is a list of
// runs: in row dy, the cells dx = dxFirst..dxLast. x grows to the right and y downwards, as in
// byArray.
//
// Special patterns start a new run: cleared array, figure at the centre (wMaxHor / 2,
// wMaxVer / 2). Some demand a minimum size; the minimums are per figure, not derived from it,
// and let the outermost cells of some figures fall on the border ring. Cells that would land
// outside the array (only on arrays with no live column or row, for figures without a
// condition) are not drawn.
//
// Life patterns are stamped into the running array with the top-left of their box at the marked
// point: the whole box is cleared, then the figure drawn. Neither family touches byOldArray.

#include "content/Initialisation.h"
#include "content/Outcome.h"
#include "content/Selection.h"
#include "engine/Automaton.h"

#include <cstdint>
#include <span>

namespace vellicor {

struct CellRun {
    int8_t dy;
    int8_t dxFirst;
    int8_t dxLast;
};

struct SpecialPattern {
    int32_t iCommand;
    int32_t iMinMaxHor; // placed only when wMaxHor > this and wMaxVer > the next; 0: any array
    int32_t iMinMaxVer;
    int32_t iCells;     // cells of the figure
    int32_t iWidth;     // the size the menu names, e.g. 3 x 4 for the Hexagon
    int32_t iHeight;
    std::span<const CellRun> runs;
};

struct LifePattern {
    int32_t iCommand;
    const char* name; // for diagnostics; the menu texts are resources
    int32_t iBoxWidth;
    int32_t iBoxHeight;
    int32_t iCells;
    std::span<const CellRun> runs;
};

// In menu order.
std::span<const SpecialPattern> SpecialPatterns();
std::span<const LifePattern> LifePatterns();
// nullptr for a command that is not one of them.
const SpecialPattern* FindSpecialPattern(int32_t command);
const LifePattern* FindLifePattern(int32_t command);

// kFigureTooLarge (nothing changed, reset not run) or: bIncrementalPaint 0, the reset, a cleared
// array, the figure, the geometry. bIncrementalPaint is cleared even when refused.
EditOutcome PlaceSpecialPattern(Automaton& a, const SpecialPattern& pattern, const ResetHook& resetAutomaton);

// kObjectOverlaps when the box would reach past the last live column or row from the marked point,
// or when the point is not a live cell (nothing changed, the point stays marked); otherwise the box cleared, the figure drawn, the
// geometry, and the point's highlight off. Level and counters go on.
EditOutcome PlaceLifePattern(Automaton& a, Selection& s, const LifePattern& pattern);

} // namespace vellicor
