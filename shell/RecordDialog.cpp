#include "shell/RecordDialog.h"

#include "platform/UserPrompts.h"
#include "resources/PictureTexts.h"

namespace vellicor {

bool AskRecording(UserPrompts& prompts, int32_t iLanguage, RecordChoice& choice)
{
    using namespace record_dialog;
    bool accepted = false;
    CallbackProcedure procRecord;
    procRecord.init = [&](DialogControls& dialog) {
        dialog.SetDlgItemInt(kGenerations, choice.generations);
        dialog.SetDlgItemInt(kScale, choice.scale);
        dialog.SetDlgItemInt(kDelay, choice.delay);
        dialog.SetFocus(kGenerations);
        dialog.SelectAllText(kGenerations);
        return false;
    };
    procRecord.command = [&](DialogControls& dialog, int id, int) {
        if (id == kIdCancel) {
            dialog.EndDialog(0);
        } else if (id == kIdOk) {
            const int32_t generations = dialog.GetDlgItemInt(kGenerations);
            const int32_t scale = dialog.GetDlgItemInt(kScale);
            const int32_t delay = dialog.GetDlgItemInt(kDelay);
            if (generations < 1 || generations > kMaxRecordGenerations || scale < 1 || scale > kMaxPictureScale ||
                delay < 0 || delay > kMaxFrameDelay) {
                dialog.MessageBox(PickText(kRecordValuesMessage, iLanguage), MessageStyle::OkExclamation);
                return;
            }
            choice = {generations, scale, delay};
            accepted = true;
            dialog.EndDialog(1);
        }
    };
    prompts.RunDialog(DIALOG_RECORD, iLanguage, procRecord);
    return accepted;
}

} // namespace vellicor
