#include "shell/ArrayDialogs.h"

#include "resources/ContentMessages.h"
#include "resources/ParameterDialogTemplates.h"
#include "resources/ParameterMessages.h"
#include "shell/AutomatonDialogs.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace vellicor {
namespace {

// The range tests compare as unsigned 32-bit numbers, so a negative entry counts as too large.
bool BelowUnsigned(int32_t value, int32_t bound)
{
    return static_cast<uint32_t>(value) < static_cast<uint32_t>(bound);
}

// Cancel ends the dialog with 0; true only for OK, whose values the procedure then checks.
bool OkClicked(DialogControls& dialog, int id, int notification)
{
    if (notification != kButtonClicked)
        return false;
    if (id == kIdCancel)
        dialog.EndDialog(0);
    return id == kIdOk;
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

// The field's value when it is below the bound; otherwise its refusal, and nothing.
std::optional<int32_t> FieldBelow(DialogControls& dialog, int id, int32_t bound, const BilingualText& refusal,
                                  int32_t iLanguage)
{
    const int32_t value = dialog.GetDlgItemInt(id);
    if (BelowUnsigned(value, bound))
        return value;
    ShowMessage(dialog, refusal, iLanguage);
    return std::nullopt;
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
    if (!OkClicked(dialog, id, notification))
        return;
    const int32_t iLanguage = model_.settings.iLanguage;
    const std::optional<int32_t> width =
        FieldBelow(dialog, array_dialog::kWidth, kMaxDimension, kArrayWidthTooLargeMessage, iLanguage);
    if (!width)
        return;
    const std::optional<int32_t> height =
        FieldBelow(dialog, array_dialog::kHeight, kMaxDimension, kArrayHeightTooLargeMessage, iLanguage);
    if (!height)
        return;
    if (SetArraySize(model_.automaton, model_.content, model_.cells, *width, *height, resetAutomaton_) ==
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
    if (!OkClicked(dialog, id, notification))
        return;
    // At most the visible size: less than wMaxHor, less than wMaxVer.
    const std::optional<int32_t> width =
        FieldBelow(dialog, fill_dialog::kWidth, a_.wMaxHor, kFillWidthTooLargeMessage, iLanguage_);
    if (!width)
        return;
    const std::optional<int32_t> height =
        FieldBelow(dialog, fill_dialog::kHeight, a_.wMaxVer, kFillHeightTooLargeMessage, iLanguage_);
    if (!height)
        return;
    content_.iArrayFillHorMax = *width;
    content_.iArrayFillVerMax = *height;
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
    if (!OkClicked(dialog, id, notification))
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
