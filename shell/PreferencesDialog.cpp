#include "shell/PreferencesDialog.h"

#include "resources/Messages.h"
#include "resources/ParameterDialogTemplates.h"
#include "shell/AutomatonDialogs.h"

namespace vellicor {

using namespace preferences_dialog;

bool ProcPrefer::OnInitDialog(DialogControls& dialog)
{
    const Automaton& a = model_.automaton;
    const Settings& settings = model_.settings;
    dialog.SetDlgItemInt(kCellWidth, model_.cells.iCellWidth);
    dialog.SetDlgItemInt(kIterLimit, a.iIterLimit);
    dialog.SetDlgItemInt(kIterIncrement, a.iIterIncrement);
    dialog.SetDlgItemInt(kContinuousDelay, a.iContinuousDelay);
    dialog.CheckDlgButton(kDynamicCell, model_.cells.bDynamicCell);
    dialog.CheckDlgButton(kDrawGrid, settings.bDrawGrid);
    dialog.CheckRadioButton(kEllipse, kRectangle, RadioButtonOf(kEllipse, kRectangle, settings.bRectangle));
    dialog.CheckRadioButton(kPlane, kTorus, RadioButtonOf(kPlane, kTorus, settings.bPlane));
    dialog.SetFocus(kCellWidth);
    dialog.SelectAllText(kCellWidth);
    return false;
}

void ProcPrefer::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (notification != kButtonClicked)
        return;
    switch (id) {
    case kEllipse:
    case kRectangle:
        model_.settings.bRectangle = id - kEllipse;
        dialog.CheckRadioButton(kEllipse, kRectangle, id);
        return;
    case kPlane:
    case kTorus:
        model_.settings.bPlane = id - kPlane;
        dialog.CheckRadioButton(kPlane, kTorus, id);
        return;
    case kIdOk: Accept(dialog); return;
    case kIdCancel: dialog.EndDialog(0); return;
    default: return;
    }
}

void ProcPrefer::Accept(DialogControls& dialog)
{
    Automaton& a = model_.automaton;
    const int32_t iLanguage = model_.settings.iLanguage;
    // These two are kept whatever the checks below decide.
    model_.cells.iCellWidth = dialog.GetDlgItemInt(kCellWidth);
    a.iIterIncrement = dialog.GetDlgItemInt(kIterIncrement);

    const int32_t limit = dialog.GetDlgItemInt(kIterLimit);
    if (limit < a.iLevel) {
        dialog.MessageBox(PickText(kIterLimitBelowLevelMessage, iLanguage), MessageStyle::OkExclamation);
        return;
    }
    a.iIterLimit = limit;
    const int32_t delay = dialog.GetDlgItemInt(kContinuousDelay);
    if (delay < 0 || delay > 32767) {
        dialog.MessageBox(PickText(kContinuousDelayRangeMessage, iLanguage), MessageStyle::OkExclamation);
        return;
    }
    a.iContinuousDelay = delay;
    model_.cells.bDynamicCell = dialog.IsDlgButtonChecked(kDynamicCell);
    model_.settings.bDrawGrid = dialog.IsDlgButtonChecked(kDrawGrid);
    a.iGeometryMode = model_.settings.bPlane;
    ResetAutomaton(model_);
    ApplyGeometry(a);
    dialog.EndDialog(0);
}

} // namespace vellicor
