#include "tests/shell/ProgramFixture.h"

#include "resources/Messages.h"
#include "shell/CommandIds.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace vellicor::test {
namespace {

using namespace command;

const std::string kNextQuestion(kNextLimitMessage.english);

TEST_F(ProgramTest, NextReachesTheLimitSilentlyThenAsksAndRetryRaisesItAndRunsAgain)
{
    Start();
    A().iLevel = 499;
    Key(Qt::Key_N);
    EXPECT_EQ(500, A().iLevel);
    EXPECT_TRUE(Messages().empty()) << "the limit reached by a step that ran";
    Command(kFrench);
    Key(Qt::Key_N); // the question, answered Cancel as any unscripted one
    EXPECT_EQ(500, A().iLevel);
    EXPECT_EQ(500, A().iIterLimit);
    EXPECT_EQ((std::vector<std::string>{std::string(kNextLimitMessage.french)}), Messages());
    A().iStep = 5;
    prompts.QueueMessageAnswer(kIdRetry);
    Key(Qt::Key_N);
    EXPECT_EQ(750, A().iIterLimit);
    EXPECT_EQ(505, A().iLevel);
}

TEST_F(ProgramTest, LevelDialogRunsToTheTypedLevelInBothLanguages)
{
    Start();
    prompts.QueueDialogAnswer(DialogAnswer().Type(202, "40").Click(kIdOk));
    Key(Qt::Key_L);
    EXPECT_EQ(40, A().iLevel);
    ASSERT_EQ(1u, prompts.Log().size());
    EXPECT_EQ("1", prompts.Log()[0].textsAfterInit.at(202)) << "the dialog opens on the current level";
    EXPECT_EQ(202, prompts.Log()[0].focusAfterInit);
    EXPECT_TRUE(prompts.Log()[0].selectedAfterInit);

    Command(kFrench);
    prompts.QueueDialogAnswer(DialogAnswer().Type(202, "900").Click(kIdCancel));
    Key(Qt::Key_L);
    EXPECT_EQ(40, A().iLevel);
    prompts.QueueDialogAnswer(DialogAnswer().Type(202, "900").Click(kIdOk));
    Key(Qt::Key_L);
    EXPECT_EQ(500, A().iLevel) << "a target past the limit stops at it, silently";
    EXPECT_EQ(1, A().bLimitReached);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ("DIALOG_LEVEL_FR", DialogsOpened().back());
    EXPECT_TRUE(prompts.Problems().empty());
}

TEST_F(ProgramTest, StepDialogAcceptsWhatStaysWithinTheLimit)
{
    Start();
    for (int language : {1, 0}) {
        program->GetModel().settings.iLanguage = language;
        prompts.QueueDialogAnswer(DialogAnswer().Type(203, "500").Click(kIdOk).Type(203, "499").Click(kIdOk));
        Command(kStep);
        EXPECT_EQ(499, A().iStep);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(std::string(PickText(kStepTooLargeMessage, language)), Messages().back());
    }
    // Unsigned comparison: negative steps that keep the sum non-negative pass, others do not.
    prompts.QueueDialogAnswer(DialogAnswer().Type(203, "-1").Click(kIdOk));
    Command(kStep);
    EXPECT_EQ(-1, A().iStep);
    prompts.QueueDialogAnswer(DialogAnswer().Type(203, "-2").Click(kIdOk).Click(kIdCancel));
    Command(kStep);
    EXPECT_EQ(-1, A().iStep);
    Command(kNext);
    EXPECT_EQ(1, A().iLevel) << "a step below 1 computes nothing";
}

TEST_F(ProgramTest, UntilStableStopsOnAStableFigureOrAsksAtTheLimit)
{
    Start();
    Command(kNull);
    A().byArray[3][3] = A().byArray[3][4] = A().byArray[4][3] = A().byArray[4][4] = 1;
    Key(Qt::Key_U);
    EXPECT_EQ(2, A().iLevel);
    EXPECT_TRUE(Messages().empty());

    Command(kStandard); // grows into an oscillating figure
    A().iIterLimit = 60;
    Key(Qt::Key_U);
    EXPECT_EQ(60, A().iLevel);
    EXPECT_TRUE(Messages().empty()) << "the limit reached by a step that ran";
    prompts.QueueMessageAnswer(kIdRetry);
    Key(Qt::Key_U);
    EXPECT_EQ(std::string(kUntilStableLimitMessage.english), Messages().back());
    EXPECT_EQ(310, A().iIterLimit);
    EXPECT_EQ(310, A().iLevel);
}

TEST_F(ProgramTest, ContinuousPausesRunsToTheLimitThenAsksAndRetryRaisesItUpToTheLargestLevel)
{
    Start();
    A().iContinuousDelay = 20;
    A().iIterLimit = 6;
    QElapsedTimer clock;
    clock.start();
    Command(kContinuous);
    EXPECT_GE(clock.elapsed(), 6 * 20) << "six passes (the last refused), each with its pause";
    EXPECT_EQ(6, A().iLevel);
    EXPECT_EQ(1, A().bLimitReached);
    EXPECT_TRUE(Messages().empty());
    A().iContinuousDelay = 0;
    Command(kContinuous); // Cancel: one refused call
    EXPECT_EQ((std::vector<std::string>{kNextQuestion}), Messages());
    EXPECT_EQ(6, A().iLevel);
    prompts.QueueMessageAnswer(kIdRetry);
    Command(kContinuous);
    EXPECT_EQ(256, A().iLevel);

    // A raised limit past the 32-bit range would wrap to a negative one and the run stop at once.
    A().iLevel = A().iIterLimit = INT32_MAX - 100;
    prompts.QueueMessageAnswer(kIdRetry);
    Command(kContinuous);
    EXPECT_EQ(INT32_MAX, A().iIterLimit);
    EXPECT_EQ(INT32_MAX, A().iLevel);
    EXPECT_EQ(3u, Messages().size());
}

TEST_F(ProgramTest, AKeyStopsAContinuousRunAndOtherInputIsSwallowed)
{
    Start();
    QWidget* target = program->InfoWindow()->View();
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&program->Frame(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    Command(kContinuous);
    EXPECT_EQ(2, A().iLevel) << "one generation, then the key; the double click ran no Next";
    QCoreApplication::processEvents();
    EXPECT_EQ(2, A().iLevel);
}

TEST_F(ProgramTest, ContinuousUntilKeepsTheTypedTargetEvenWhenCancelled)
{
    Start();
    prompts.QueueDialogAnswer(DialogAnswer().Type(101, "30").Click(kIdOk));
    Command(kContinuousUntil);
    EXPECT_EQ(30, A().iLevel);
    EXPECT_EQ("500", prompts.Log()[0].textsAfterInit.at(101));
    prompts.QueueDialogAnswer(DialogAnswer().Type(101, "45").Click(kIdCancel));
    Command(kContinuousUntil);
    EXPECT_EQ(30, A().iLevel);
    EXPECT_EQ(45, A().iContinuousUntil);
}

} // namespace
} // namespace vellicor::test
