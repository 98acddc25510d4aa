#include "shell/UndoHistory.h"

#include "shell/settings/Settings.h"

#include <cstring>
#include <tuple>
#include <utility>

namespace vellicor {
namespace {

void Append(std::vector<uint8_t>& to, const void* from, std::size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(from);
    to.insert(to.end(), bytes, bytes + size);
}

void Take(const uint8_t*& from, void* to, std::size_t size)
{
    std::memcpy(to, from, size);
    from += size;
}

// Every member a step gives back besides the cells, the size first: the cells are read back by
// the size. The tile pitches and counts are not among them: they follow from the size and from
// the Multi-bitmap window as it is now.
constexpr auto kStepMembers = std::make_tuple(
    &Automaton::wMaxHor, &Automaton::wMaxVer, &Automaton::iLevel, &Automaton::bLimitReached, &Automaton::iChanges,
    &Automaton::fCellTotal, &Automaton::iGeometryMode, &Automaton::iNumAuto, &Automaton::iRules,
    &Automaton::iNeighbours, &Automaton::bHomogeneousMode, &Automaton::iModuloMode, &Automaton::iModuloDefault,
    &Automaton::iModuloRules, &Automaton::iModuloNeighbours, &Automaton::iModuloStates, &Automaton::iTileCol,
    &Automaton::iTileRow, &Automaton::iTileX, &Automaton::iTileY, &Automaton::iStep);

// What the picture looks like beyond the automaton: the colour components as stored together with
// the palette itself (the Colors dialog changes the palette alone, and a file's components may
// carry high bytes the palette drops), and the geometry marked in Preferences, which must agree
// with the applied one a step gives back.
constexpr auto kPictureMembers = std::make_tuple(&Settings::byRColor, &Settings::byGColor, &Settings::byBColor,
                                                 &Settings::crStateColor, &Settings::bPlane);

template <typename Object, typename Members>
constexpr std::size_t MembersSize(const Members& members)
{
    return std::apply([](auto... member) { return (sizeof(std::declval<const Object&>().*member) + ...); }, members);
}

template <typename Object, typename Members>
void AppendMembers(std::vector<uint8_t>& to, const Object& from, const Members& members)
{
    std::apply([&](auto... member) { (Append(to, &(from.*member), sizeof(from.*member)), ...); }, members);
}

template <typename Object, typename Members>
void TakeMembers(const uint8_t*& from, Object& to, const Members& members)
{
    std::apply([&](auto... member) { (Take(from, &(to.*member), sizeof(to.*member)), ...); }, members);
}

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

UndoState TakeUndoState(const Automaton& a, const Settings& settings, int32_t iCheckedPreset)
{
    UndoState s{{}, iCheckedPreset};
    const std::size_t members = MembersSize<Automaton>(kStepMembers) + MembersSize<Settings>(kPictureMembers);
    s.bytes.reserve(members + 2 * static_cast<std::size_t>((EffectiveMaxHor(a) + 1) * (EffectiveMaxVer(a) + 1)));
    AppendMembers(s.bytes, a, kStepMembers);
    AppendMembers(s.bytes, settings, kPictureMembers);
    ForEachColumn(a, [&](auto cells, int x, std::size_t rows) { Append(s.bytes, (a.*cells)[x], rows); });
    return s;
}

void RestoreUndoState(Automaton& a, Settings& settings, const UndoState& s)
{
    const uint8_t* in = s.bytes.data();
    TakeMembers(in, a, kStepMembers);
    TakeMembers(in, settings, kPictureMembers);
    ForEachColumn(a, [&](auto cells, int x, std::size_t rows) { Take(in, (a.*cells)[x], rows); });
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
