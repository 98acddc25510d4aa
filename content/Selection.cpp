#include "content/Selection.h"

#include <algorithm>
#include <utility>

namespace vellicor {

namespace {

// The commands that need a marked point, and those that need a rectangle.
void AddPointCommands(std::vector<CommandAvailability>& changes, bool enabled)
{
    changes.push_back({kCommandSelectionLoad, enabled});
    changes.push_back({kCommandPaste, enabled});
    for (int32_t command = kFirstLifePatternCommand; command <= kLastLifePatternCommand; ++command)
        changes.push_back({command, enabled});
}

void AddRectangleCommands(std::vector<CommandAvailability>& changes, bool enabled)
{
    for (const int32_t command :
         {kCommandSelectionSave, kCommandCopy, kCommandZeroState, kCommandVerticalSymmetry,
          kCommandHorizontalSymmetry, kCommandCentralSymmetry, kCommandIncrement, kCommandDecrement})
        changes.push_back({command, enabled});
}

// The common ending of the rectangle operations.
void FinishRectangleOperation(Automaton& a, Selection& s)
{
    ApplyGeometry(a);
    s.bRectHighlight = 0;
}

template <typename CellOperation>
void ForEachCell(Automaton& a, Selection& s, CellOperation operation)
{
    const CellRectangle r = LiveRectangle(a, s);
    for (int x = r.x0; x <= r.x1; ++x)
        for (int y = r.y0; y <= r.y1; ++y)
            operation(x, y);
    FinishRectangleOperation(a, s);
}

} // namespace

CellRectangle LiveRectangle(const Automaton& a, const Selection& s)
{
    // Each corner is held at most one cell past the live area, so an empty rectangle stays empty.
    const int64_t lastX = EffectiveMaxHor(a) - 1;
    const int64_t lastY = EffectiveMaxVer(a) - 1;
    auto clamp = [](int32_t value, int64_t low, int64_t high) { return static_cast<int>(std::clamp<int64_t>(value, low, high)); };
    return {clamp(s.iSelStartX, 1, lastX + 1), clamp(s.iSelStartY, 1, lastY + 1), clamp(s.iSelEndX, 0, lastX),
            clamp(s.iSelEndY, 0, lastY)};
}

std::vector<CommandAvailability> SelectionCommandChanges(SelectionEvent event)
{
    std::vector<CommandAvailability> changes;
    switch (event) {
    case SelectionEvent::kArrayWindowCreated:
    case SelectionEvent::kArrayWindowDestroyed:
        AddPointCommands(changes, false);
        AddRectangleCommands(changes, false);
        break;
    case SelectionEvent::kPointMarked:
        AddPointCommands(changes, true);
        AddRectangleCommands(changes, false);
        break;
    case SelectionEvent::kRectangleSelected:
        AddPointCommands(changes, false);
        AddRectangleCommands(changes, true);
        break;
    case SelectionEvent::kCopied:
        changes.push_back({kCommandCopy, false});
        break;
    }
    return changes;
}

void PressOnCell(Selection& s, int32_t x, int32_t y)
{
    s.iAnchorX = x;
    s.iAnchorY = y;
}

std::optional<SelectionEvent> ReleaseOnCell(Selection& s, int32_t x, int32_t y, bool pressedInWindow,
                                            const CellGeometry& cells)
{
    const int64_t c = cells.iCellWidth;
    auto pixels = [](int64_t value) { return static_cast<int32_t>(value); };
    if (x == s.iAnchorX && y == s.iAnchorY) {
        s.iPointX = x;
        s.iPointY = y;
        s.iHighlightX = pixels(cells.iOriginX + x * c);
        s.iHighlightY = pixels(cells.iOriginY + y * c);
        s.iHighlightWidth = pixels(c);
        s.iHighlightHeight = pixels(c);
        s.bCellHighlight = 1;
        s.bRectHighlight = 0;
        return SelectionEvent::kPointMarked;
    }
    if (!pressedInWindow)
        return std::nullopt;
    s.iSelStartX = s.iAnchorX;
    s.iSelStartY = s.iAnchorY;
    s.iSelEndX = x;
    s.iSelEndY = y;
    s.iHighlightX = pixels(cells.iOriginX + s.iSelStartX * c);
    s.iHighlightY = pixels(cells.iOriginY + s.iSelStartY * c);
    s.iHighlightWidth = pixels((int64_t{s.iSelEndX} - s.iSelStartX + 1) * c);
    s.iHighlightHeight = pixels((int64_t{s.iSelEndY} - s.iSelStartY + 1) * c);
    s.bRectHighlight = 1;
    s.bCellHighlight = 0;
    return SelectionEvent::kRectangleSelected;
}

bool RemoveHighlight(Selection& s)
{
    const bool shown = s.bRectHighlight != 0 || s.bCellHighlight != 0;
    s.bRectHighlight = 0;
    s.bCellHighlight = 0;
    return shown;
}

namespace {

// A rectangle dragged rightwards and downwards that has no cell in the live area any more: the
// array shrank after it was selected.
bool WhollyOutside(const Automaton& a, const Selection& s)
{
    const bool dragged = s.iSelEndX >= s.iSelStartX && s.iSelEndY >= s.iSelStartY;
    return dragged && LiveRectangle(a, s).Empty();
}

} // namespace

EditOutcome CopySelection(const Automaton& a, Selection& s)
{
    if (WhollyOutside(a, s))
        return EditOutcome::kObjectOverlaps;
    s.bRectHighlight = 0;
    return EditOutcome::kDone;
}

EditOutcome PasteSelection(Automaton& a, Selection& s)
{
    const CellRectangle source = LiveRectangle(a, s);
    const int64_t w = int64_t{source.x1} - source.x0;
    const int64_t h = int64_t{source.y1} - source.y0;
    if (s.iPointX + w >= EffectiveMaxHor(a) || s.iPointY + h >= EffectiveMaxVer(a))
        return EditOutcome::kObjectOverlaps;
    // No point made by the mouse lies outside the array; a record whose point does is refused
    // the same way rather than written out of bounds.
    if (s.iPointX < 0 || s.iPointY < 0 || WhollyOutside(a, s))
        return EditOutcome::kObjectOverlaps;
    for (int i = 0; i <= w; ++i) {
        for (int j = 0; j <= h; ++j) {
            const uint8_t v = a.byArray[source.x0 + i][source.y0 + j];
            a.byArray[s.iPointX + i][s.iPointY + j] = v;
            a.byOldArray[s.iPointX + i][s.iPointY + j] = v;
        }
    }
    ApplyGeometry(a);
    s.bCellHighlight = 0;
    return EditOutcome::kDone;
}

void ZeroStateSelection(Automaton& a, Selection& s)
{
    ForEachCell(a, s, [&a](int x, int y) {
        a.byArray[x][y] = 0;
        a.byOldArray[x][y] = 0;
    });
}

// byOldArray steps with byArray and takes the wrapped value when byArray wraps. Its own step also
// wraps within 0..15: the two arrays may differ (after a generation), and a previous state of 15
// going to 16, or 0 going to 255, would put a state that does not exist into the array that the
// incremental repaint compares with.
void IncrementSelection(Automaton& a, Selection& s)
{
    ForEachCell(a, s, [&a](int x, int y) {
        const bool wraps = a.byArray[x][y] >= kStateCount - 1;
        a.byArray[x][y] = wraps ? 0 : static_cast<uint8_t>(a.byArray[x][y] + 1);
        a.byOldArray[x][y] = wraps ? 0 : static_cast<uint8_t>((a.byOldArray[x][y] + 1) % kStateCount);
    });
}

void DecrementSelection(Automaton& a, Selection& s)
{
    ForEachCell(a, s, [&a](int x, int y) {
        const bool wraps = a.byArray[x][y] == 0;
        a.byArray[x][y] = wraps ? kStateCount - 1 : static_cast<uint8_t>(a.byArray[x][y] - 1);
        a.byOldArray[x][y] =
            wraps ? kStateCount - 1 : static_cast<uint8_t>((a.byOldArray[x][y] + kStateCount - 1) % kStateCount);
    });
}

// The symmetries turn the live part of the rectangle about its own centre lines.
void VerticalSymmetry(Automaton& a, Selection& s)
{
    const CellRectangle r = LiveRectangle(a, s);
    for (int left = r.x0, right = r.x1; left < right; ++left, --right) {
        for (int y = r.y0; y <= r.y1; ++y) {
            std::swap(a.byArray[left][y], a.byArray[right][y]);
            a.byOldArray[left][y] = a.byArray[left][y];
            a.byOldArray[right][y] = a.byArray[right][y];
        }
    }
    FinishRectangleOperation(a, s);
}

void HorizontalSymmetry(Automaton& a, Selection& s)
{
    const CellRectangle r = LiveRectangle(a, s);
    for (int x = r.x0; x <= r.x1; ++x)
        for (int top = r.y0, bottom = r.y1; top < bottom; ++top, --bottom)
            std::swap(a.byArray[x][top], a.byArray[x][bottom]);
    FinishRectangleOperation(a, s);
}

void CentralSymmetry(Automaton& a, Selection& s)
{
    const CellRectangle r = LiveRectangle(a, s);
    for (int left = r.x0, right = r.x1; left < right; ++left, --right)
        for (int j = 0; j <= r.y1 - r.y0; ++j)
            std::swap(a.byArray[left][r.y0 + j], a.byArray[right][r.y1 - j]);
    FinishRectangleOperation(a, s);
}

} // namespace vellicor
