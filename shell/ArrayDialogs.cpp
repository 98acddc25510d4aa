#include "shell/ArrayDialogs.h"

#include "resources/ContentMessages.h"
#include "resources/ParameterDialogTemplates.h"
#include "resources/ParameterMessages.h"
#include "shell/AutomatonDialogs.h"

#include <algorithm>
#include <iterator>

namespace vellicor {
namespace {

// The range tests compare as unsigned 32-bit numbers, so a negative entry counts as too large.
bool BelowUnsigned(int32_t value, int32_t bound)
{
    return static_cast<uint32_t>(value) < static_cast<uint32_t>(bound);
}

void FocusWholeText(DialogControls& dialog, int id)
{
    dialog.SetFocus(id);
    dialog.SelectAllText(id);
}

void ShowMessage(DialogControls& dialog, const BilingualText& message, int32_t iLanguage)
{
    dialog.MessageBox(PickText(message, iLanguage), MessageStyle::OkExclamation);
}

} // namespace

bool ProcArray::OnInitDialog(DialogControls& dialog)
{
    const Automaton& a = model_.automaton;
    dialog.SetDlgItemInt(array_dialog::kWidth, a.wMaxHor - 1, false);
    dialog.SetDlgItemInt(array_dialog::kHeight, a.wMaxVer - 1, false);
    FocusWholeText(dialog, array_dialog::kWidth);
    return false;
}

void ProcArray::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (notification != kButtonClicked)
        return;
    if (id == kIdCancel) {
        dialog.EndDialog(0);
        return;
    }
    if (id != kIdOk)
        return;
    const int32_t iLanguage = model_.settings.iLanguage;
    const int32_t width = dialog.GetDlgItemInt(array_dialog::kWidth);
    if (!BelowUnsigned(width, kMaxDimension)) {
        ShowMessage(dialog, kArrayWidthTooLargeMessage, iLanguage);
        return;
    }
    const int32_t height = dialog.GetDlgItemInt(array_dialog::kHeight);
    if (!BelowUnsigned(height, kMaxDimension)) {
        ShowMessage(dialog, kArrayHeightTooLargeMessage, iLanguage);
        return;
    }
    if (SetArraySize(model_.automaton, model_.content, model_.cells, width, height, resetAutomaton_) ==
        ArraySizeChange::kResizedCellsAdjusted)
        ShowMessage(dialog, kCellsAdjustedMessage, iLanguage); // a notice: the change is made
    dialog.EndDialog(1);
}

bool ProcArrayFill::OnInitDialog(DialogControls& dialog)
{
    dialog.SetDlgItemInt(fill_dialog::kWidth, content_.iArrayFillHorMax, false);
    dialog.SetDlgItemInt(fill_dialog::kHeight, content_.iArrayFillVerMax, false);
    FocusWholeText(dialog, fill_dialog::kWidth);
    return false;
}

void ProcArrayFill::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (notification != kButtonClicked)
        return;
    if (id == kIdCancel) {
        dialog.EndDialog(0);
        return;
    }
    if (id != kIdOk)
        return;
    // At most the visible size: less than wMaxHor, less than wMaxVer.
    const int32_t width = dialog.GetDlgItemInt(fill_dialog::kWidth);
    if (!BelowUnsigned(width, a_.wMaxHor)) {
        ShowMessage(dialog, kFillWidthTooLargeMessage, iLanguage_);
        return;
    }
    const int32_t height = dialog.GetDlgItemInt(fill_dialog::kHeight);
    if (!BelowUnsigned(height, a_.wMaxVer)) {
        ShowMessage(dialog, kFillHeightTooLargeMessage, iLanguage_);
        return;
    }
    content_.iArrayFillHorMax = width;
    content_.iArrayFillVerMax = height;
    InitArrayFill(a_, content_);
    dialog.EndDialog(1);
}

bool ProcRandom::OnInitDialog(DialogControls& dialog)
{
    ShowStateColors(dialog, settings_);
    for (int s = 0; s < kStateCount; ++s)
        dialog.SetDlgItemInt(random_dialog::CountId(s), content_.iRandomCount[s]);
    dialog.SetFocus(random_dialog::CountId(0));
    return false;
}

void ProcRandom::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (notification != kButtonClicked)
        return;
    if (id == kIdCancel) {
        dialog.EndDialog(0);
        return;
    }
    if (id != kIdOk)
        return;
    int32_t counts[kStateCount];
    uint32_t total = 0; // wraps as the 32-bit sum did; only the total is tested
    for (int s = 0; s < kStateCount; ++s) {
        counts[s] = dialog.GetDlgItemInt(random_dialog::CountId(s));
        total += static_cast<uint32_t>(counts[s]);
    }
    const auto cellCount = static_cast<uint32_t>((EffectiveMaxHor(a_) - 1) * (EffectiveMaxVer(a_) - 1));
    if (total != cellCount) {
        ShowMessage(dialog, total < cellCount ? kRandomTotalTooSmallMessage : kRandomTotalTooLargeMessage,
               settings_.iLanguage);
        return;
    }
    std::copy(std::begin(counts), std::end(counts), std::begin(content_.iRandomCount));
    dialog.EndDialog(1);
}

} // namespace vellicor
