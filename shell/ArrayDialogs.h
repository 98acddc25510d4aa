#pragma once
// The dialogs that collect the numbers of the array content: its size (ProcArray), the Array
// fill rectangle (ProcArrayFill) and the cells per state of Random (ProcRandom). A number out of
// range is refused with a message above the dialog, which stays open with what was typed;
// nothing is stored until every number passes.

#include "content/Initialisation.h"
#include "platform/DialogControls.h"
#include "shell/settings/Settings.h"

namespace vellicor {

// OK resizes the array (SetArraySize) and tells when the fixed cell size had to be adjusted.
class ProcArray : public DialogProcedure {
public:
    ProcArray(Model& model, ResetHook resetAutomaton) : model_(model), resetAutomaton_(std::move(resetAutomaton)) {}

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    Model& model_;
    ResetHook resetAutomaton_;
};

// OK stores the rectangle and fills the array with it; the run goes on from its level.
class ProcArrayFill : public DialogProcedure {
public:
    ProcArrayFill(Automaton& a, Content& content, int32_t iLanguage)
        : a_(a), content_(content), iLanguage_(iLanguage)
    {
    }

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    Automaton& a_;
    Content& content_;
    const int32_t iLanguage_;
};

// OK stores the sixteen counts once they add up to the number of live cells; the next
// Initialize / Random uses them.
class ProcRandom : public DialogProcedure {
public:
    ProcRandom(const Automaton& a, Content& content, const Settings& settings)
        : a_(a), content_(content), settings_(settings)
    {
    }

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    const Automaton& a_;
    Content& content_;
    const Settings& settings_;
};

} // namespace vellicor
