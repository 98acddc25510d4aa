#include "platform/AcceleratorKeys.h"
#include "platform/InputPoll.h"
#include "platform/MainFrame.h"
#include "platform/QtUserPrompts.h"
#include "platform/TemplateDialog.h"
#include "resources/DialogTemplates.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vellicor {
namespace {

class View : public QWidget {
public:
    int clicks = 0;
    int paints = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// A main window shown and active, with a framed child window whose view has the focus, as when
// a person works in the Array window.
struct ActiveFrame : ::testing::Test {
    MainFrame frame{MENU_VLR, MENU_VLR_FR, MenuLanguage::English};
    View* view = new View;
    std::vector<int> commands;

    void SetUp() override
    {
        frame.SetCommandHandler([this](int id) { commands.push_back(id); });
        frame.resize(640, 480);
        view->setFocusPolicy(Qt::StrongFocus);
        frame.CreateChildWindow({"Array", {20, 40, 200, 150}}, view);
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        view->setFocus();
    }

    // Every key of the table, at the target; returns the commands they stand for.
    std::vector<int> PressAll(QWidget* target)
    {
        std::vector<int> expected;
        for (const AcceleratorEntry& entry : ACCELERATORS_1.entries) {
            const QKeyCombination key = AcceleratorKey(entry);
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            expected.push_back(entry.command);
        }
        return expected;
    }
};

TEST_F(ActiveFrame, EveryAcceleratorReachesItsCommandWithExactlyItsModifiers)
{
    EXPECT_EQ(PressAll(view), commands);
    commands.clear();
    frame.setFocus(); // the bare main window
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    frame.SetMenu(MenuLanguage::French); // the keys do not depend on the bar shown
    QTest::keyClick(view, Qt::Key_L, Qt::ControlModifier);
    for (const QKeyCombination wrong : {Qt::CTRL | Qt::SHIFT | Qt::Key_N, Qt::CTRL | Qt::ALT | Qt::Key_N, Qt::CTRL | Qt::Key_X}) {
        QTest::keyClick(view, wrong.key(), wrong.keyboardModifiers());
    }
    QTest::keyClick(view, Qt::Key_N);
    EXPECT_EQ((std::vector<int>{108, 109}), commands);
}

TEST_F(ActiveFrame, TheAcceleratorOfAGrayedCommandDoesNothing)
{
    frame.EnableMenuItem(404, false); // Selection / Copy, grayed until a selection is made
    frame.EnableMenuItem(115, false); // no menu item, yet grayed in the state
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
    frame.EnableMenuItem(404, true);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ((std::vector<int>{405, 404}), commands);
}

// An open menu takes the keys; a click on an item runs its command, unless the item is grayed.
TEST_F(ActiveFrame, AnOpenMenuTakesTheKeysAndItsClickedItemRuns)
{
    frame.EnableMenuItem(109, false);
    QMenu* process = frame.MenuBar(MenuLanguage::English).actions().at(5)->menu();
    for (const int id : {109, 108}) {
        process->popup(frame.mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(process));
        PressAll(process);
        PressAll(view);
        ASSERT_TRUE(process->isVisible());
        QTest::mouseClick(process, Qt::LeftButton, {}, process->actionGeometry(frame.MenuBar(MenuLanguage::English).Item(id)).center());
    }
    EXPECT_EQ(std::vector<int>{108}, commands);
}

TEST_F(ActiveFrame, NoAcceleratorActsWhileAModalDialogIsOpen)
{
    QtUserPrompts prompts(&frame);
    CallbackProcedure procedure;
    procedure.command = [](DialogControls& dialog, int id, int) {
        if (id == kIdCancel) {
            dialog.EndDialog(0);
        }
    };
    bool pressed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && !pressed) {
            pressed = true;
            PressAll(dialog->Control(202)); // typed into the dialog
            PressAll(view);                 // or aimed at the window beneath
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    poll.start(10);
    EXPECT_EQ(0, prompts.RunDialog(DIALOG_LEVEL, 1, procedure));
    poll.stop();
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(commands.empty());
}

// A continuous run polls: a key ends it, clicks and accelerators are lost, painting and timers go on.
TEST_F(ActiveFrame, DuringARunAKeyStopsItAndEverythingElseIsLost)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    {
        InputPoll poll;
        QTest::mouseClick(view, Qt::LeftButton);
        view->update();
        EXPECT_FALSE(poll.Poll());
        QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(poll.Poll());
        EXPECT_FALSE(poll.Poll()) << "each key counts once";
    }
    EXPECT_EQ(0, view->clicks);
    EXPECT_TRUE(commands.empty());
    EXPECT_GT(ticks, 0);
    EXPECT_GT(view->paints, 0);

    QTest::mouseClick(view, Qt::LeftButton); // after the run the input acts again
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(1, view->clicks);
    EXPECT_EQ((std::vector<int>{108}), commands);
}

} // namespace
} // namespace vellicor
