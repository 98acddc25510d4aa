#pragma once
// The one road by which the program asks the person anything: every message box and every modal
// dialog. The program holds a UserPrompts&; the real one (QtUserPrompts) shows Qt windows, the
// scripted one (ScriptedPrompts) answers from a queue, so a test never waits in a modal loop.

#include "platform/DialogControls.h"
#include "resources/BilingualText.h"
#include "resources/DialogTemplate.h"

#include <string_view>

namespace vellicor {

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A box captioned "Message" with an exclamation icon, above whatever modal window is open.
    // Returns kIdOk, or kIdRetry / kIdCancel.
    virtual int MessageBox(std::string_view text, MessageStyle style) = 0;

    // Opens the dialog modally, as its French twin unless iLanguage is 1, runs the procedure and
    // returns the result given to EndDialog, or -1 when the dialog could not be shown.
    virtual int RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure) = 0;

    // The message in the language of iLanguage.
    int ShowMessage(const BilingualText& text, int iLanguage, MessageStyle style)
    {
        return MessageBox(PickText(text, iLanguage), style);
    }
};

} // namespace vellicor
