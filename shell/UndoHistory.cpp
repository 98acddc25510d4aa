#include "shell/UndoHistory.h"

#include <cstring>
#include <tuple>
#include <utility>

namespace vellicor {
namespace {

// Every member a step gives back besides the cells, the size first: the cells are read back by
// the size. The tile pitches and counts are not among them: they follow from the size and from
// the Multi-bitmap window as it is now.
constexpr auto kStepMembers = std::make_tuple(
    &Automaton::wMaxHor, &Automaton::wMaxVer, &Automaton::iLevel, &Automaton::bLimitReached, &Automaton::iChanges,
    &Automaton::fCellTotal, &Automaton::iGeometryMode, &Automaton::iNumAuto, &Automaton::iRules,
    &Automaton::iNeighbours, &Automaton::bHomogeneousMode, &Automaton::iModuloMode, &Automaton::iModuloDefault,
    &Automaton::iModuloRules, &Automaton::iModuloNeighbours, &Automaton::iModuloStates, &Automaton::iTileCol,
    &Automaton::iTileRow, &Automaton::iTileX, &Automaton::iTileY);

// Columns 0..wMaxHor, rows 0..wMaxVer of each array, by the clamped dimensions the engine's loops
// take, so that a settings file's size cannot make a copy reach outside the storage.
template <typename Copy>
void ForEachColumn(const Automaton& a, Copy&& copy)
{
    const auto rows = static_cast<std::size_t>(EffectiveMaxVer(a)) + 1;
    for (auto cells : {&Automaton::byArray, &Automaton::byOldArray})
        for (int x = 0; x <= EffectiveMaxHor(a); ++x)
            copy(cells, x, rows);
}

} // namespace

UndoState TakeUndoState(const Automaton& a, int32_t iCheckedPreset)
{
    UndoState s{{}, iCheckedPreset};
    auto sizes = [](auto... member) { return (sizeof(std::declval<const Automaton&>().*member) + ...); };
    const std::size_t members = std::apply(sizes, kStepMembers);
    s.bytes.reserve(members + 2 * static_cast<std::size_t>((EffectiveMaxHor(a) + 1) * (EffectiveMaxVer(a) + 1)));
    auto append = [&s](const void* from, std::size_t size) {
        const auto* bytes = static_cast<const uint8_t*>(from);
        s.bytes.insert(s.bytes.end(), bytes, bytes + size);
    };
    std::apply([&](auto... member) { (append(&(a.*member), sizeof(a.*member)), ...); }, kStepMembers);
    ForEachColumn(a, [&](auto cells, int x, std::size_t rows) { append((a.*cells)[x], rows); });
    return s;
}

void RestoreUndoState(Automaton& a, const UndoState& s)
{
    const uint8_t* in = s.bytes.data();
    auto take = [&in](void* to, std::size_t size) {
        std::memcpy(to, in, size);
        in += size;
    };
    std::apply([&](auto... member) { (take(&(a.*member), sizeof(a.*member)), ...); }, kStepMembers);
    ForEachColumn(a, [&](auto cells, int x, std::size_t rows) { take((a.*cells)[x], rows); });
    ComputeTileGeometry(a);
    // Every view shows the whole array again: an incremental paint would compare with a
    // generation that is not the one before.
    a.bIncrementalPaint = 0;
}

std::size_t UndoHistory::Cost(const UndoState& state) { return sizeof state + state.bytes.capacity(); }

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

std::optional<UndoState> UndoHistory::Undo(UndoState current) { return Move(undo_, redo_, std::move(current)); }

std::optional<UndoState> UndoHistory::Redo(UndoState current) { return Move(redo_, undo_, std::move(current)); }

std::optional<UndoState> UndoHistory::Move(std::deque<UndoState>& from, std::deque<UndoState>& to, UndoState current)
{
    if (from.empty())
        return std::nullopt;
    UndoState restored = Pop(from);
    Push(to, std::move(current));
    KeepWithinBudget();
    return restored;
}

} // namespace vellicor
