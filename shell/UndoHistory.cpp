#include "shell/UndoHistory.h"

#include <cstring>

namespace vellicor {
namespace {

// The clamped dimensions, as every loop of the engine takes them: a settings file's size cannot
// make a copy reach outside the storage.
std::size_t ColumnBytes(const Automaton& a) { return static_cast<std::size_t>(EffectiveMaxVer(a)) + 1; }
int LastColumn(const Automaton& a) { return EffectiveMaxHor(a); }

// Tables of the same type, rules and weights among them.
template <typename Table>
void CopyArray(Table& to, const Table& from)
{
    std::memcpy(&to, &from, sizeof to);
}

} // namespace

UndoState TakeUndoState(const Automaton& a, int32_t iCheckedPreset)
{
    UndoState s;
    const std::size_t column = ColumnBytes(a);
    s.cells.resize(2 * column * static_cast<std::size_t>(LastColumn(a) + 1));
    uint8_t* out = s.cells.data();
    for (const CellArray* cells : {&a.byArray, &a.byOldArray})
        for (int x = 0; x <= LastColumn(a); ++x, out += column)
            std::memcpy(out, (*cells)[x], column);
    s.wMaxHor = a.wMaxHor;
    s.wMaxVer = a.wMaxVer;
    s.iLevel = a.iLevel;
    s.bLimitReached = a.bLimitReached;
    s.iChanges = a.iChanges;
    s.fCellTotal = a.fCellTotal;
    s.iGeometryMode = a.iGeometryMode;
    CopyArray(s.iNumAuto, a.iNumAuto);
    CopyArray(s.iRules, a.iRules);
    CopyArray(s.iNeighbours, a.iNeighbours);
    s.bHomogeneousMode = a.bHomogeneousMode;
    s.iModuloMode = a.iModuloMode;
    s.iModuloDefault = a.iModuloDefault;
    s.iModuloRules = a.iModuloRules;
    s.iModuloNeighbours = a.iModuloNeighbours;
    s.iModuloStates = a.iModuloStates;
    s.iTileCol = a.iTileCol;
    s.iTileRow = a.iTileRow;
    s.iTileX = a.iTileX;
    s.iTileY = a.iTileY;
    s.iCheckedPreset = iCheckedPreset;
    return s;
}

void RestoreUndoState(Automaton& a, const UndoState& s)
{
    a.wMaxHor = s.wMaxHor;
    a.wMaxVer = s.wMaxVer;
    const std::size_t column = ColumnBytes(a);
    const uint8_t* in = s.cells.data();
    for (CellArray* cells : {&a.byArray, &a.byOldArray})
        for (int x = 0; x <= LastColumn(a); ++x, in += column)
            std::memcpy((*cells)[x], in, column);
    a.iLevel = s.iLevel;
    a.bLimitReached = s.bLimitReached;
    a.iChanges = s.iChanges;
    a.fCellTotal = s.fCellTotal;
    a.iGeometryMode = s.iGeometryMode;
    CopyArray(a.iNumAuto, s.iNumAuto);
    CopyArray(a.iRules, s.iRules);
    CopyArray(a.iNeighbours, s.iNeighbours);
    a.bHomogeneousMode = s.bHomogeneousMode;
    a.iModuloMode = s.iModuloMode;
    a.iModuloDefault = s.iModuloDefault;
    a.iModuloRules = s.iModuloRules;
    a.iModuloNeighbours = s.iModuloNeighbours;
    a.iModuloStates = s.iModuloStates;
    a.iTileCol = s.iTileCol;
    a.iTileRow = s.iTileRow;
    a.iTileX = s.iTileX;
    a.iTileY = s.iTileY;
    // The pitches and counts follow from the size and the Multi-bitmap window as it is now.
    ComputeTileGeometry(a);
    // Every view shows the whole array again: an incremental paint would compare with a
    // generation that is not the one before.
    a.bIncrementalPaint = 0;
}

std::size_t UndoHistory::Cost(const UndoState& state) { return sizeof state + state.cells.capacity(); }

void UndoHistory::Push(std::deque<UndoState>& steps, UndoState state)
{
    bytes_ += Cost(state);
    steps.push_back(std::move(state));
}

UndoState UndoHistory::Pop(std::deque<UndoState>& steps)
{
    UndoState state = std::move(steps.back());
    steps.pop_back();
    bytes_ -= Cost(state);
    return state;
}

void UndoHistory::KeepWithinBudget()
{
    while (bytes_ > budget_ && !(undo_.empty() && redo_.empty())) {
        std::deque<UndoState>& oldest = !undo_.empty() ? undo_ : redo_;
        bytes_ -= Cost(oldest.front());
        oldest.pop_front();
    }
}

void UndoHistory::Record(UndoState before)
{
    while (!redo_.empty())
        Pop(redo_);
    Push(undo_, std::move(before));
    KeepWithinBudget();
}

std::optional<UndoState> UndoHistory::Undo(UndoState current)
{
    if (undo_.empty())
        return std::nullopt;
    UndoState previous = Pop(undo_);
    Push(redo_, std::move(current));
    KeepWithinBudget();
    return previous;
}

std::optional<UndoState> UndoHistory::Redo(UndoState current)
{
    if (redo_.empty())
        return std::nullopt;
    UndoState next = Pop(redo_);
    Push(undo_, std::move(current));
    KeepWithinBudget();
    return next;
}

} // namespace vellicor
