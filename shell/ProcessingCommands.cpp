#include "shell/ProcessingCommands.h"

#include "engine/Processing.h"
#include "engine/Step.h"
#include "platform/MainFrame.h"
#include "platform/UserPrompts.h"
#include "resources/DialogTemplates.h"
#include "resources/Messages.h"
#include "shell/RunGuard.h"

#include <algorithm>
#include <cstdint>

namespace vellicor {

namespace {

constexpr int kLevelField = 202;
constexpr int kStepField = 203;
constexpr int kUntilField = 101;
constexpr int kCommandNext = 108;
constexpr int kCommandUntilStable = 115;

// Sets the field, then focus and the whole text selected, so typing replaces it.
void ShowValue(DialogControls& dialog, int field, int32_t value)
{
    dialog.SetDlgItemInt(field, value);
    dialog.SetFocus(field);
    dialog.SelectAllText(field);
}

} // namespace

ProcessingCommands::ProcessingCommands(Model& model, UserPrompts& prompts, MainFrame& frame)
    : model_(model), prompts_(prompts), frame_(frame)
{
}

bool ProcessingCommands::AskToRaiseLimit(bool untilStable)
{
    Automaton& a = model_.automaton;
    const int answer = prompts_.ShowMessage(untilStable ? kUntilStableLimitMessage : kNextLimitMessage,
                                            model_.settings.iLanguage, MessageStyle::RetryCancelExclamation);
    if (answer != kIdRetry)
        return false;
    // A limit raised past the 32-bit range would wrap to a negative one that nothing ever meets.
    const int64_t raised = int64_t{a.iIterLimit} + a.iIterIncrement;
    a.iIterLimit = static_cast<int32_t>(std::clamp<int64_t>(raised, INT32_MIN, INT32_MAX));
    return true;
}

void ProcessingCommands::RunStepsWithRetry()
{
    Automaton& a = model_.automaton;
    {
        RunGuard guard;
        RunSteps(a, a.iStep, [&guard] { return guard.KeepGoing(); });
    }
    if (a.bLimitReached != 0 && AskToRaiseLimit(false))
        frame_.SendCommand(kCommandNext);
}

void ProcessingCommands::Next()
{
    model_.automaton.bIncrementalPaint = 1;
    RunStepsWithRetry();
    frame_.InvalidateClient();
}

void ProcessingCommands::StepsFromClick()
{
    model_.automaton.bIncrementalPaint = 1;
    RunStepsWithRetry();
}

void ProcessingCommands::Level()
{
    Automaton& a = model_.automaton;
    CallbackProcedure procLevel;
    procLevel.init = [&a](DialogControls& dialog) {
        ShowValue(dialog, kLevelField, a.iLevel);
        return false;
    };
    procLevel.command = [&a](DialogControls& dialog, int id, int) {
        if (id == kIdOk) {
            const int32_t target = dialog.GetDlgItemInt(kLevelField);
            dialog.EndDialog(1);
            // No question at the limit here: bLimitReached stays set for the next command.
            RunGuard guard;
            RunToLevel(a, target, [&guard] { return guard.KeepGoing(); });
        } else if (id == kIdCancel) {
            dialog.EndDialog(0);
        }
    };
    prompts_.RunDialog(DIALOG_LEVEL, model_.settings.iLanguage, procLevel);
    frame_.InvalidateClient();
}

void ProcessingCommands::Step()
{
    Automaton& a = model_.automaton;
    const int32_t iLanguage = model_.settings.iLanguage;
    CallbackProcedure procStep;
    procStep.init = [&a](DialogControls& dialog) {
        ShowValue(dialog, kStepField, a.iStep);
        return false;
    };
    procStep.command = [&a, iLanguage](DialogControls& dialog, int id, int) {
        if (id == kIdOk) {
            const int32_t v = dialog.GetDlgItemInt(kStepField);
            // Compared as unsigned numbers: a step that makes the sum negative is refused.
            const uint32_t reached = static_cast<uint32_t>(v) + static_cast<uint32_t>(a.iLevel);
            if (reached <= static_cast<uint32_t>(a.iIterLimit)) {
                a.iStep = v;
                dialog.EndDialog(1);
            } else {
                dialog.MessageBox(PickText(kStepTooLargeMessage, iLanguage), MessageStyle::OkExclamation);
            }
        } else if (id == kIdCancel) {
            dialog.EndDialog(0);
        }
    };
    prompts_.RunDialog(DIALOG_STEP, iLanguage, procStep);
}

void ProcessingCommands::UntilStable()
{
    Automaton& a = model_.automaton;
    a.bIncrementalPaint = 0;
    {
        RunGuard guard;
        RunUntilStable(a, [&guard] { return guard.KeepGoing(); });
    }
    if (a.bLimitReached != 0 && AskToRaiseLimit(true))
        frame_.SendCommand(kCommandUntilStable);
    frame_.InvalidateClient();
}

void ProcessingCommands::RunContinuously(bool untilTarget)
{
    Automaton& a = model_.automaton;
    if (a.bLimitReached != 0)
        AskToRaiseLimit(false); // the run starts whatever the answer
    a.bIncrementalPaint = 1;
    {
        RunGuard guard;
        // 64 bits: a bound of INT32_MAX must not make the counter wrap.
        for (int64_t counter = a.iLevel; untilTarget ? counter < a.iContinuousUntil : counter <= a.iIterLimit;
             ++counter) {
            ComputeNextGeneration(a);
            guard.Pause(a.iContinuousDelay);
            frame_.UpdateClient();
            if (!guard.KeepGoing())
                break;
        }
    }
    frame_.InvalidateClient();
}

void ProcessingCommands::Continuous() { RunContinuously(false); }

void ProcessingCommands::ContinuousUntil()
{
    Automaton& a = model_.automaton;
    CallbackProcedure procContinuousUntil;
    procContinuousUntil.init = [&a](DialogControls& dialog) {
        ShowValue(dialog, kUntilField, a.iContinuousUntil);
        return false;
    };
    procContinuousUntil.command = [this, &a](DialogControls& dialog, int id, int) {
        if (id == kUntilField) {
            // Kept as typed, even when the dialog is then cancelled.
            a.iContinuousUntil = dialog.GetDlgItemInt(kUntilField);
        } else if (id == kIdOk) {
            bContinuousUntilGo_ = 1;
            dialog.EndDialog(1);
        } else if (id == kIdCancel) {
            bContinuousUntilGo_ = 0;
            dialog.EndDialog(0);
        }
    };
    // A dialog that cannot open must not start a run on an answer given to an earlier one.
    bContinuousUntilGo_ = 0;
    prompts_.RunDialog(DIALOG_CONTINUOUSUNTIL, model_.settings.iLanguage, procContinuousUntil);
    if (bContinuousUntilGo_ == 1)
        RunContinuously(true);
}

} // namespace vellicor
