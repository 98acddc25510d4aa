#include "platform/AcceleratorKeys.h"
#include "platform/MainFrame.h"
#include "platform/QtUserPrompts.h"
#include "platform/TemplateDialog.h"
#include "resources/DialogTemplates.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vellicor {
namespace {

// A main window shown and active, with a framed child window whose view has the focus, as when
// a person works in the Array window.
struct ActiveFrame : ::testing::Test {
    MainFrame frame{MENU_VLR, MENU_VLR_FR, MenuLanguage::English};
    QWidget* view = new QWidget;
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
        ASSERT_TRUE(view->hasFocus());
    }

    void Press(const AcceleratorEntry& entry, QWidget* target)
    {
        const QKeyCombination key = AcceleratorKey(entry);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
};

TEST_F(ActiveFrame, EveryAcceleratorReachesItsCommandWhicheverWindowHasTheFocus)
{
    std::vector<int> expected;
    for (const AcceleratorEntry& entry : ACCELERATORS_1.entries) {
        Press(entry, view);
        expected.push_back(entry.command);
    }
    EXPECT_EQ(expected, commands);
    EXPECT_EQ((std::vector<int>{108, 104, 405, 125, 127, 129, 132, 115, 109, 404}), commands)
        << "Ctrl+S places the square and Ctrl+O the octogon: no save, no open";

    commands.clear();
    frame.setFocus(); // the bare main window
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    frame.SetMenu(MenuLanguage::French); // the keys do not depend on the bar shown
    QTest::keyClick(view, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ((std::vector<int>{108, 109}), commands);
}

TEST_F(ActiveFrame, OnlyTheExactModifiersAct)
{
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_N);
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(commands.empty());
}

TEST_F(ActiveFrame, TheAcceleratorOfAGrayedCommandDoesNothing)
{
    frame.EnableMenuItem(404, false); // Selection / Copy, grayed until a selection is made
    frame.EnableMenuItem(115, false); // no menu item, yet grayed in the state
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ((std::vector<int>{405}), commands);

    frame.EnableMenuItem(404, true);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ((std::vector<int>{405, 404}), commands);
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
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || pressed) {
            return;
        }
        pressed = true;
        for (const AcceleratorEntry& entry : ACCELERATORS_1.entries) {
            Press(entry, dialog->Control(202)); // typed into the dialog
            Press(entry, view);                 // or aimed at the window beneath
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    poll.start();
    EXPECT_EQ(0, prompts.RunDialog(DIALOG_LEVEL, 1, procedure));
    poll.stop();
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(commands.empty());

    // Once the dialog is gone the keys act again.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ((std::vector<int>{108}), commands);
}

} // namespace
} // namespace vellicor
