#pragma once
// Options / Preferences: the cell width, grid and dynamic cell size, the cell shape, the geometry,
// the iteration limit with its increment, and the delay of continuous runs.

#include "platform/DialogControls.h"
#include "shell/settings/Settings.h"

namespace vellicor {

// A click on a cell-shape or geometry button takes effect at once and Cancel keeps it; the
// geometry in force (iGeometryMode) follows the marked one only on OK. OK stores the cell width
// and the increment before it checks anything, then refuses a limit below the current level and
// a delay outside 0 .. 32767; once everything passes it resets the run.
//
// A cell width below 1 is stored as typed, as the person asked; the Array window then draws no
// cell and maps no click to a cell until the width is 1 or more again, so it never divides by it.
class ProcPrefer : public DialogProcedure {
public:
    explicit ProcPrefer(Model& model) : model_(model) {}

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;

private:
    void Accept(DialogControls& dialog);

    Model& model_;
};

} // namespace vellicor
