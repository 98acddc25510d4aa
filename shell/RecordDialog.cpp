#include "shell/RecordDialog.h"

#include "platform/UserPrompts.h"
#include "resources/PictureTexts.h"

namespace vellicor {

namespace {

// What sets the two dialogs apart: their third field and the message that gives the limits.
struct PaceField {
    const DialogTemplate& dialog;
    int RecordChoice::*value;
    int minimum;
    int maximum;
    const BilingualText& limits;
};

bool Ask(UserPrompts& prompts, int32_t iLanguage, RecordChoice& choice, const PaceField& pace)
{
    using namespace record_dialog;
    bool accepted = false;
    CallbackProcedure procRecord;
    procRecord.init = [&](DialogControls& dialog) {
        dialog.SetDlgItemInt(kGenerations, choice.generations);
        dialog.SetDlgItemInt(kScale, choice.scale);
        dialog.SetDlgItemInt(kDelay, choice.*pace.value);
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
            const int32_t paceValue = dialog.GetDlgItemInt(kDelay);
            if (generations < 1 || generations > kMaxRecordGenerations || scale < 1 || scale > kMaxPictureScale ||
                paceValue < pace.minimum || paceValue > pace.maximum) {
                dialog.MessageBox(PickText(pace.limits, iLanguage), MessageStyle::OkExclamation);
                return;
            }
            choice.generations = generations;
            choice.scale = scale;
            choice.*pace.value = paceValue;
            accepted = true;
            dialog.EndDialog(1);
        }
    };
    prompts.RunDialog(pace.dialog, iLanguage, procRecord);
    return accepted;
}

} // namespace

bool AskRecording(UserPrompts& prompts, int32_t iLanguage, RecordChoice& choice)
{
    return Ask(prompts, iLanguage, choice, {DIALOG_RECORD, &RecordChoice::delay, 0, kMaxFrameDelay, kRecordValuesMessage});
}

bool AskVideoRecording(UserPrompts& prompts, int32_t iLanguage, RecordChoice& choice)
{
    return Ask(prompts, iLanguage, choice,
               {DIALOG_RECORD_VIDEO, &RecordChoice::framesPerSecond, kMinFramesPerSecond, kMaxFramesPerSecond,
                kVideoValuesMessage});
}

} // namespace vellicor
