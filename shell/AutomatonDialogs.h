#pragma once
// The dialogs that edit and inspect the automaton's definition: the transition rules (ProcParam),
// the neighbourhood (ProcNeighbours) and the statistics (ProcStat). None of them touches the
// cells or the level; a new definition takes effect at the next step.

#include "platform/DialogControls.h"
#include "shell/settings/Settings.h"

namespace vellicor {

// Transactional: only OK writes iRules and encodes iNumAuto. The derived modulo values are not
// recomputed here; the neighbourhood dialog does that when it opens.
class ProcParam : public DialogProcedure {
public:
    ProcParam(Automaton& a, const Settings& settings) : a_(a), settings_(settings) {}

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    Automaton& a_;
    const Settings& settings_;
};

// Not transactional: a preset button writes the weights and a modulo button the mode the moment
// they are clicked, and Cancel keeps them. Cancel discards only what was typed and the
// homogeneous switch.
class ProcNeighbours : public DialogProcedure {
public:
    ProcNeighbours(Automaton& a, int32_t iLanguage) : a_(a), iLanguage_(iLanguage) {}

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    void ShowWeights(DialogControls& dialog);
    void ShowModuloValues(DialogControls& dialog);

    Automaton& a_;
    const int32_t iLanguage_;
};

// The figures are computed once, when the dialog opens. OK closes it, and so do Escape and the
// close box: there is nothing to cancel.
class ProcStat : public DialogProcedure {
public:
    explicit ProcStat(Automaton& a) : a_(a) {}

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    Automaton& a_;
};

// The button of the group first .. last that a setting's value marks (first for 0, the next for
// 1, ...); 0, which is no button, for a value outside the group, as a settings file may hold.
int RadioButtonOf(int first, int last, int32_t value);

// The colour of each state in the swatches 300 .. 315, which both the rules and the Random
// dialogs show beside their rows.
void ShowStateColors(DialogControls& dialog, const Settings& settings);

} // namespace vellicor
