#include "platform/ScriptedPrompts.h"
#include "resources/DialogTemplates.h"
#include "resources/Messages.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

// A step dialog procedure as the program writes one: a value that would pass the limit is
// refused with a message and the dialog stays open.
struct StepProcedure : DialogProcedure {
    int iStep = 1;
    int iLevel = 1;
    int iIterLimit = 500;
    int iLanguage = 1;

    bool OnInitDialog(DialogControls& dialog) override
    {
        dialog.SetDlgItemInt(203, iStep);
        dialog.SetFocus(203);
        dialog.SelectAllText(203);
        return false;
    }

    void OnCommand(DialogControls& dialog, int id, int) override
    {
        if (id == kIdOk) {
            const int value = dialog.GetDlgItemInt(203);
            if (static_cast<unsigned>(value) + static_cast<unsigned>(iLevel) > static_cast<unsigned>(iIterLimit)) {
                dialog.MessageBox(PickText(kStepTooLargeMessage, iLanguage), MessageStyle::OkExclamation);
                return;
            }
            iStep = value;
            dialog.EndDialog(1);
        } else if (id == kIdCancel) {
            dialog.EndDialog(0);
        }
    }
};

TEST(ScriptedPrompts, AnswersInTheOrderTheProgramAsks)
{
    ScriptedPrompts prompts;
    StepProcedure step;
    step.iStep = 5;
    step.iLanguage = 0;
    prompts.QueueDialogAnswer(DialogAnswer().Type(203, "500").Click(kIdOk).Type(203, "abc").Click(kIdOk));
    prompts.QueueMessageAnswer(kIdOk);
    prompts.QueueMessageAnswer(kIdRetry);

    EXPECT_EQ(1, prompts.RunDialog(DIALOG_STEP, 0, step));
    EXPECT_EQ(0, step.iStep) << "\"abc\" reads as 0 and is accepted";
    EXPECT_EQ(kIdRetry, prompts.ShowMessage(kNextLimitMessage, 1, MessageStyle::RetryCancelExclamation));

    ASSERT_EQ(3u, prompts.Log().size());
    const PromptRecord& dialog = prompts.Log()[0];
    EXPECT_EQ(PromptRecord::Kind::Dialog, dialog.kind);
    EXPECT_EQ("DIALOG_STEP_FR", dialog.text);
    EXPECT_EQ(1, dialog.answer);
    EXPECT_EQ("5", dialog.textsAfterInit.at(203));
    EXPECT_EQ(203, dialog.focusAfterInit);
    EXPECT_TRUE(dialog.selectedAfterInit);
    EXPECT_EQ("abc", dialog.textsAtEnd.at(203));
    EXPECT_EQ("Annuler", dialog.textsAfterInit.at(kIdCancel));

    const PromptRecord& refusal = prompts.Log()[1];
    EXPECT_EQ(PromptRecord::Kind::Message, refusal.kind);
    EXPECT_EQ(std::string(kStepTooLargeMessage.french), refusal.text) << "the French twin speaks French";
    EXPECT_EQ(MessageStyle::OkExclamation, refusal.style);

    EXPECT_EQ(std::string(kNextLimitMessage.english), prompts.Log()[2].text);
    EXPECT_TRUE(prompts.Problems().empty());
    EXPECT_EQ(0u, prompts.PendingAnswers());
}

TEST(ScriptedPrompts, WhatTheScriptDidNotForeseeIsAnsweredSafelyAndReported)
{
    ScriptedPrompts prompts;
    // A Retry loop with no answer queued ends at the first question.
    int retries = 0;
    while (prompts.MessageBox("limit", MessageStyle::RetryCancelExclamation) == kIdRetry && retries < 5) {
        ++retries;
    }
    EXPECT_EQ(0, retries);
    EXPECT_EQ(kIdOk, prompts.MessageBox("notice", MessageStyle::OkExclamation));

    // A dialog whose answer leaves it open is cancelled; one that ignores Cancel ends with -1.
    StepProcedure step;
    prompts.QueueDialogAnswer(DialogAnswer().Type(203, "9999").Click(kIdOk));
    prompts.QueueMessageAnswer(kIdOk);
    EXPECT_EQ(0, prompts.RunDialog(DIALOG_STEP, 1, step));
    EXPECT_EQ(1, step.iStep);

    CallbackProcedure stubborn;
    EXPECT_EQ(-1, prompts.RunDialog(DIALOG_LEVEL, 1, stubborn));

    // An answer of the wrong kind or for the wrong box is not used.
    prompts.QueueMessageAnswer(kIdRetry);
    EXPECT_EQ(kIdOk, prompts.MessageBox("notice", MessageStyle::OkExclamation));
    prompts.QueueDialogAnswer(DialogAnswer().Click(kIdOk));
    EXPECT_EQ(kIdCancel, prompts.MessageBox("limit", MessageStyle::RetryCancelExclamation));
    EXPECT_EQ(1u, prompts.PendingAnswers()) << "the dialog answer waits for its dialog";

    EXPECT_EQ(7u, prompts.Problems().size());
}

TEST(ScriptedPrompts, TheProcedureHearsEveryNotificationOfAField)
{
    // The continuous-until procedure keeps whatever was typed, even when the dialog is cancelled.
    int iContinuousUntil = 500;
    int bContinuousUntilGo = 1;
    CallbackProcedure procedure;
    procedure.init = [&](DialogControls& dialog) {
        dialog.SetDlgItemInt(101, iContinuousUntil);
        dialog.SetFocus(101);
        dialog.SelectAllText(101);
        return false;
    };
    procedure.command = [&](DialogControls& dialog, int id, int) {
        if (id == 101) {
            iContinuousUntil = dialog.GetDlgItemInt(101);
        } else if (id == kIdOk || id == kIdCancel) {
            bContinuousUntilGo = id == kIdOk ? 1 : 0;
            dialog.EndDialog(bContinuousUntilGo);
        }
    };
    ScriptedPrompts prompts;
    prompts.QueueDialogAnswer(DialogAnswer().Type(101, "800").Click(kIdCancel));
    EXPECT_EQ(0, prompts.RunDialog(DIALOG_CONTINUOUSUNTIL, 1, procedure));
    EXPECT_EQ(800, iContinuousUntil);
    EXPECT_EQ(0, bContinuousUntilGo);

    prompts.QueueDialogAnswer(DialogAnswer().Type(101, "-3").Click(kIdOk));
    EXPECT_EQ(1, prompts.RunDialog(DIALOG_CONTINUOUSUNTIL, 0, procedure));
    EXPECT_EQ(-3, iContinuousUntil);
    EXPECT_TRUE(prompts.Problems().empty());
}

TEST(ScriptedPrompts, ClicksFollowTheKindOfControl)
{
    static constexpr DialogControl kControls[] = {
        {120, ControlKind::RadioButton, {}, SameText("Plain"), std::nullopt, 0},
        {130, ControlKind::AutoRadioButton, {}, SameText("A"), std::nullopt, 1},
        {131, ControlKind::AutoRadioButton, {}, SameText("B"), std::nullopt, 1},
        {132, ControlKind::AutoRadioButton, {}, SameText("Other group"), std::nullopt, 2},
        {107, ControlKind::CheckBox, {}, SameText("Box"), std::nullopt, 0},
        {kIdOk, ControlKind::DefaultButton, {}, SameText("OK"), std::nullopt, 0},
    };
    constexpr DialogTemplate kDialog{"TEST", SameText("Test"), {100, 100}, std::nullopt, kControls, false, false};
    std::map<int, int> marks;
    std::vector<int> clicks;
    CallbackProcedure procedure;
    procedure.init = [](DialogControls& dialog) {
        dialog.CheckDlgButton(132, 1);
        dialog.CheckDlgButton(kIdOk, 1); // not a check box: ignored
        return true;
    };
    procedure.command = [&](DialogControls& dialog, int id, int) {
        clicks.push_back(id);
        if (id == kIdOk) {
            for (const int button : {120, 130, 131, 132, 107, kIdOk}) {
                marks[button] = dialog.IsDlgButtonChecked(button);
            }
            dialog.EndDialog(1);
        }
    };
    ScriptedPrompts prompts;
    prompts.QueueDialogAnswer(DialogAnswer().Click(120).Click(130).Click(131).Click(107).Click(107).Click(107).Click(kIdOk));
    EXPECT_EQ(1, prompts.RunDialog(kDialog, 0, procedure));
    EXPECT_EQ((std::map<int, int>{{120, 0}, {130, 0}, {131, 1}, {132, 1}, {107, 1}, {kIdOk, 0}}), marks);
    EXPECT_EQ((std::vector<int>{120, 130, 131, 107, 107, 107, kIdOk}), clicks);
    EXPECT_EQ("TEST", prompts.Log().front().text) << "an English-only template keeps its name in French";
    EXPECT_EQ(120, prompts.Log().front().focusAfterInit) << "the first control that takes the focus";
}

} // namespace
} // namespace vellicor
