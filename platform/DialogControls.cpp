#include "platform/DialogControls.h"

namespace vellicor {

std::int32_t DialogControls::GetDlgItemInt(int id, bool* translated, bool isSigned) const
{
    return ParseDialogInt(GetDlgItemText(id), isSigned, translated);
}

void DialogControls::SetDlgItemInt(int id, std::int32_t value, bool isSigned)
{
    SetDlgItemText(id, FormatDialogInt(value, isSigned));
}

void DialogControls::CheckRadioButton(int first, int last, int check)
{
    // Walks the controls, not the range: a range of a billion ids costs no more than the template.
    for (const DialogControl& control : Template().controls) {
        if (control.id != kIdStatic && control.id >= first && control.id <= last) {
            CheckDlgButton(control.id, control.id == check ? 1 : 0);
        }
    }
}

bool DialogProcedure::OnInitDialog(DialogControls&)
{
    return true;
}

void DialogProcedure::OnCommand(DialogControls&, int, int) {}

void DialogProcedure::OnScroll(DialogControls&, int, ScrollCode, int) {}

bool CallbackProcedure::OnInitDialog(DialogControls& dialog)
{
    return init ? init(dialog) : true;
}

void CallbackProcedure::OnCommand(DialogControls& dialog, int id, int notification)
{
    if (command) {
        command(dialog, id, notification);
    }
}

void CallbackProcedure::OnScroll(DialogControls& dialog, int id, ScrollCode code, int position)
{
    if (scroll) {
        scroll(dialog, id, code, position);
    }
}

} // namespace vellicor
