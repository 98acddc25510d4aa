#include "platform/InputPoll.h"
#include "platform/MainFrame.h"

#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vellicor {
namespace {

class ClickCounter : public QWidget {
public:
    int clicks = 0;
    int paints = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(InputPoll, AKeyEndsTheRunAndEverythingElseTheRunTakesIsLost)
{
    MainFrame frame(MENU_VLR, MENU_VLR_FR, MenuLanguage::English);
    std::vector<int> commands;
    frame.SetCommandHandler([&](int id) { commands.push_back(id); });
    auto* view = new ClickCounter;
    view->setFocusPolicy(Qt::StrongFocus);
    frame.CreateChildWindow({"Array", {10, 10, 200, 200}}, view);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    view->setFocus();

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    {
        InputPoll poll;
        EXPECT_FALSE(poll.Poll());
        QTest::mouseClick(view, Qt::LeftButton);
        view->update();
        EXPECT_FALSE(poll.Poll());
        QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier); // an accelerator: ends the run, runs nothing
        EXPECT_TRUE(poll.Poll());
        EXPECT_FALSE(poll.Poll()) << "each key counts once";
    }
    EXPECT_EQ(0, view->clicks);
    EXPECT_TRUE(commands.empty());
    EXPECT_GT(ticks, 0) << "timers go on during the run";
    EXPECT_GT(view->paints, 0) << "and so does painting";

    // After the run the input acts again.
    QTest::mouseClick(view, Qt::LeftButton);
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(1, view->clicks);
    EXPECT_EQ((std::vector<int>{108}), commands);
}

} // namespace
} // namespace vellicor
