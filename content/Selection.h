#pragma once
// The selection record, the availability of the Selection commands, and the operations of the
// Selection menu on the cells.
//
// The record holds a rectangle and a marked point at the same time. The rectangle's corners are
// kept as pressed and released, never sorted; every operation runs from the start corner to the
// end corner inclusive, so a rectangle dragged leftwards or upwards covers no cell. There is no
// copy buffer: Paste reads the rectangle from byArray at the moment it pastes.
//
// The highlight rectangle is in Array-window pixels and is what the view shows as the highlight
// while bRectHighlight or bCellHighlight is set; at most one of the two is set at a time.

#include "content/Content.h"
#include "content/Outcome.h"
#include "engine/Automaton.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vellicor {

struct Selection {
    int32_t iAnchorX = 0; // cell of the last left press
    int32_t iAnchorY = 0;
    int32_t iSelStartX = 0; // rectangle: the anchor of the drag that made it
    int32_t iSelStartY = 0;
    int32_t iSelEndX = 0; // rectangle: the cell of the release
    int32_t iSelEndY = 0;
    int32_t iPointX = 0; // the marked point
    int32_t iPointY = 0;
    int32_t iHighlightX = 0;
    int32_t iHighlightY = 0;
    int32_t iHighlightWidth = 0;
    int32_t iHighlightHeight = 0;
    int32_t bRectHighlight = 0;
    int32_t bCellHighlight = 0;
};

// Command ids of the Selection menu and the Life patterns.
inline constexpr int32_t kCommandSelectionLoad = 401;
inline constexpr int32_t kCommandSelectionSave = 402;
inline constexpr int32_t kCommandCopy = 404;
inline constexpr int32_t kCommandPaste = 405;
inline constexpr int32_t kCommandZeroState = 406;
inline constexpr int32_t kCommandVerticalSymmetry = 408;
inline constexpr int32_t kCommandHorizontalSymmetry = 409;
inline constexpr int32_t kCommandCentralSymmetry = 410;
inline constexpr int32_t kCommandIncrement = 411;
inline constexpr int32_t kCommandDecrement = 412;
inline constexpr int32_t kFirstLifePatternCommand = 420;
inline constexpr int32_t kLastLifePatternCommand = 448;

// What changes which commands are available.
enum class SelectionEvent {
    kArrayWindowCreated,   // no selection yet: everything grayed
    kArrayWindowDestroyed, // likewise
    kPointMarked,          // Load, Paste and the Life patterns
    kRectangleSelected,    // Save, Copy, 0-state, Increment, Decrement and the symmetries
    kCopied,               // Copy alone is grayed until the next rectangle
};

struct CommandAvailability {
    int32_t iCommand;
    bool bEnabled;
};

// The enable / gray changes an event makes, to be applied to both language menus. Commands not
// listed keep their state. 407 has no menu item and is never listed.
std::vector<CommandAvailability> SelectionCommandChanges(SelectionEvent event);

// Left press on a cell (0 in a coordinate: off the cells) makes it the anchor.
void PressOnCell(Selection& s, int32_t x, int32_t y);
// Left release on the live cell (x, y), both coordinates non-zero (a release off the cells runs
// a step instead and is not a selection gesture). On the anchor it marks the point; elsewhere,
// after a press in the Array window, it selects the rectangle from the anchor. Sets the
// highlight rectangle and its flag and clears the other flag; returns the event for
// SelectionCommandChanges, or nothing when the release made no selection.
std::optional<SelectionEvent> ReleaseOnCell(Selection& s, int32_t x, int32_t y, bool pressedInWindow,
                                            const CellGeometry& cells);
// The Next path of a click off the cells: both highlights off. True when one was shown.
bool RemoveHighlight(Selection& s);

// The rectangle's cells inside the live area, corners sorted as the record has them: x0..x1 by
// y0..y1, empty (x0 > x1 or y0 > y1) for a rectangle dragged leftwards or upwards or lying wholly
// outside. A rectangle selected before the array shrank may reach past the live area; every
// operation works on this part only, because a ring cell changed by it would feed the edge cells
// of the next generation, and cells beyond the ring are not part of the picture.
struct CellRectangle {
    int x0, y0, x1, y1;
    bool Empty() const { return x0 > x1 || y0 > y1; }
};
CellRectangle LiveRectangle(const Automaton& a, const Selection& s);

// Copy stores nothing (Paste reads the cells later); it only takes the highlight off, and the
// shell applies SelectionEvent::kCopied. A rectangle wholly outside the live area has nothing to
// copy: refused with kObjectOverlaps, nothing changed.
EditOutcome CopySelection(const Automaton& a, Selection& s);

// The rectangle's live part at the marked point, in both arrays, column by column and each column
// top to bottom, reading byArray as it goes: where source and destination overlap, cells written
// earlier in this order are read back with their new value. Refused with kObjectOverlaps, and
// nothing changed, when the copy would reach past the last live column or row, or when the
// rectangle lies wholly outside the live area.
EditOutcome PasteSelection(Automaton& a, Selection& s);

// Cell operations on the rectangle's live part. Each ends with the geometry and the rectangle's
// highlight off; the rectangle stays selected.
void ZeroStateSelection(Automaton& a, Selection& s); // 0 in both arrays
void IncrementSelection(Automaton& a, Selection& s); // +1, 15 wraps to 0
void DecrementSelection(Automaton& a, Selection& s); // -1, 0 wraps to 15
void VerticalSymmetry(Automaton& a, Selection& s);   // columns reversed; byOldArray follows
void HorizontalSymmetry(Automaton& a, Selection& s); // rows reversed; byOldArray untouched
// A half turn over the first W / 2 columns swapped with the last ones: with an odd width the
// middle column is not turned and keeps its top-to-bottom order. byOldArray untouched.
void CentralSymmetry(Automaton& a, Selection& s);

} // namespace vellicor
