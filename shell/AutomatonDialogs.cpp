#include "shell/AutomatonDialogs.h"

#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "engine/Statistics.h"
#include "resources/ParameterDialogTemplates.h"
#include "resources/ParameterMessages.h"
#include "views/ArrayImage.h"

#include <cstdio>

namespace vellicor {

int RadioButtonOf(int first, int last, int32_t value)
{
    return value >= 0 && value <= last - first ? first + value : 0;
}

void ShowStateColors(DialogControls& dialog, const Settings& settings)
{
    // Both dialogs number their swatches 300 + s.
    for (int s = 0; s < kStateCount; ++s) {
        const QColor color = ColorOfStateEntry(settings.crStateColor[s]);
        dialog.SetSwatchColor(rules_dialog::SwatchId(s), color.red(), color.green(), color.blue());
    }
}

bool ProcParam::OnInitDialog(DialogControls& dialog)
{
    for (int s = 0; s < kStateCount; ++s)
        for (int k = 0; k < kSumCount; ++k)
            dialog.CheckDlgButton(rules_dialog::BoxId(s, k), a_.iRules[s][k]);
    ShowStateColors(dialog, settings_);
    dialog.SetFocus(rules_dialog::BoxId(0, 0));
    return false;
}

void ProcParam::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (notification != kButtonClicked)
        return;
    if (id == kIdOk) {
        for (int s = 0; s < kStateCount; ++s)
            for (int k = 0; k < kSumCount; ++k)
                a_.iRules[s][k] = dialog.IsDlgButtonChecked(rules_dialog::BoxId(s, k));
        EncodeRules(a_);
        dialog.EndDialog(1);
    } else if (id == kIdCancel) {
        dialog.EndDialog(0);
    }
}

void ProcNeighbours::ShowWeights(DialogControls& dialog)
{
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            dialog.SetDlgItemInt(neighbours_dialog::WeightId(a, b), a_.iNeighbours[a][b]);
}

void ProcNeighbours::ShowModuloValues(DialogControls& dialog)
{
    dialog.SetDlgItemInt(neighbours_dialog::kModuloRules, a_.iModuloRules);
    dialog.SetDlgItemInt(neighbours_dialog::kModuloNeighbours, a_.iModuloNeighbours);
}

bool ProcNeighbours::OnInitDialog(DialogControls& dialog)
{
    using namespace neighbours_dialog;
    ShowWeights(dialog);
    dialog.SetDlgItemInt(kUserModulo, a_.iModuloDefault);
    // A mode the buttons do not offer (4, or anything a settings file holds) checks none.
    dialog.CheckRadioButton(kFirstModulo, kLastModulo, RadioButtonOf(kFirstModulo, kLastModulo, a_.iModuloMode));
    dialog.CheckDlgButton(kHomogeneous, a_.bHomogeneousMode);
    ComputeModuloValues(a_);
    ShowModuloValues(dialog);
    return false;
}

void ProcNeighbours::OnCommand(DialogControls& dialog, int id, int notification)
{
    using namespace neighbours_dialog;
    if (notification != kButtonClicked)
        return;
    switch (id) {
    case kOneDimensional:
    case kTwoDimensional:
    case kFiveNeighbours:
    case kNineNeighbours: {
        constexpr NeighbourhoodPreset kPresets[] = {NeighbourhoodPreset::OneDimensional,
                                                    NeighbourhoodPreset::TwoDimensional,
                                                    NeighbourhoodPreset::FiveNeighbours,
                                                    NeighbourhoodPreset::NineNeighbours};
        ApplyNeighbourhoodPreset(a_, kPresets[id - kOneDimensional]);
        ShowWeights(dialog);
        a_.iModuloNeighbours = CountNonZeroWeights(a_);
        dialog.SetDlgItemInt(kModuloNeighbours, a_.iModuloNeighbours);
        return;
    }
    case kFirstModulo:
    case kFirstModulo + 1:
    case kFirstModulo + 2:
    case kLastModulo:
        dialog.CheckRadioButton(kFirstModulo, kLastModulo, id);
        a_.iModuloMode = id - kFirstModulo;
        ComputeModuloValues(a_);
        ShowModuloValues(dialog);
        return;
    case kIdOk: {
        const int32_t userModulo = dialog.GetDlgItemInt(kUserModulo);
        if (userModulo > 10) {
            dialog.MessageBox(PickText(kUserModuloTooLargeMessage, iLanguage_), MessageStyle::OkExclamation);
            return;
        }
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b)
                a_.iNeighbours[a][b] = dialog.GetDlgItemInt(WeightId(a, b));
        a_.iModuloDefault = userModulo;
        a_.bHomogeneousMode = dialog.IsDlgButtonChecked(kHomogeneous);
        dialog.EndDialog(0);
        return;
    }
    case kIdCancel: dialog.EndDialog(0); return;
    default: return;
    }
}

bool ProcStat::OnInitDialog(DialogControls& dialog)
{
    ComputeStatistics(a_);
    for (int s = 0; s < kStateCount; ++s) {
        dialog.SetDlgItemInt(stat_dialog::CountId(s), static_cast<int32_t>(a_.fStateCount[s]));
        // ComputeStatistics gives every density 0 when there is no live cell, so the dialog shows
        // " 0.00" there, never the text of a 0 / 0 quotient.
        char density[32];
        std::snprintf(density, sizeof density, "%5.2f", static_cast<double>(a_.fStateDensity[s]));
        dialog.SetDlgItemText(stat_dialog::DensityId(s), density);
    }
    return false;
}

void ProcStat::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (notification == kButtonClicked && (id == kIdOk || id == kIdCancel))
        dialog.EndDialog(id == kIdOk ? 1 : 0);
}

} // namespace vellicor
