#pragma once
// Undo and redo of the person's commands. A step is the picture as it was before one command:
// what the program was running on (cells, size, counters, rules, neighbourhood, applied
// geometry, the iteration step, the Multi-bitmap tile counters and position), how it looks (the
// sixteen state colours, both as stored and as the palette) and the geometry marked in
// Preferences, so that undoing an automaton file's opening takes back all it set and the marked
// geometry never disagrees with the applied one; and the Automata item that carries the check
// mark, which names the rule set. So the Colors dialog's OK, the Step dialog and a click on Plane
// or Tore in Preferences are steps too. A step is not the window layout, the language, the
// processing limits, the cell size, shape and grid, nor the Multi-bitmap sheet.
//
// Both cell arrays are kept over the array in use alone, columns 0..wMaxHor by rows 0..wMaxVer
// (the ring included): nothing beyond it is ever read, and the largest array costs about 21 KB a
// step. The history holds the steps undone too, for redo, and drops its oldest steps to stay
// within a budget of bytes.

#include "engine/Automaton.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace vellicor {

struct Settings;

struct UndoState {
    std::vector<uint8_t> bytes; // the automaton's members of a step, the picture's, then the cells
    int32_t iCheckedPreset = 0; // the Automata command with the check mark; 0 for none

    friend bool operator==(const UndoState&, const UndoState&) = default;
};

UndoState TakeUndoState(const Automaton& a, const Settings& settings, int32_t iCheckedPreset);
// Puts the state back, then the tile geometry that follows from the size, and asks for a full
// repaint. The mark, the brushes built from the palette and the repaint itself are the caller's.
void RestoreUndoState(Automaton& a, Settings& settings, const UndoState& state);

class UndoHistory {
public:
    static constexpr std::size_t kDefaultBudget = std::size_t{32} << 20;

    explicit UndoHistory(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

    // A command changed the state: before is what it replaced. The steps undone before it can no
    // longer be redone.
    void Record(UndoState before);
    // The state to go back (or forward) to, or nothing when there is none; current is kept for
    // the opposite direction.
    std::optional<UndoState> Undo(UndoState current);
    std::optional<UndoState> Redo(UndoState current);

    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    std::size_t Bytes() const { return bytes_; }

private:
    static std::size_t Cost(const UndoState& state);
    void Push(std::deque<UndoState>& steps, UndoState state);
    UndoState Pop(std::deque<UndoState>& steps);
    // The step taken back from one list, the current state put on the other.
    std::optional<UndoState> Move(std::deque<UndoState>& from, std::deque<UndoState>& to, UndoState current);
    void KeepWithinBudget();

    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::deque<UndoState> undo_; // oldest first
    std::deque<UndoState> redo_; // farthest first
};

} // namespace vellicor
