#include "platform/MainFrame.h"

#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

namespace vellicor {
namespace {

struct ClientFixture : ::testing::Test {
    MainFrame frame{MENU_VLR, MENU_VLR_FR, MenuLanguage::English};

    void SetUp() override
    {
        frame.resize(800, 600);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
};

using ChildWindows = ClientFixture;

TEST_F(ChildWindows, TheRectangleReadBackIsTheOneGiven)
{
    ChildFrame* info = frame.CreateChildWindow({"Informations", {300, 40, 250, 120}}, new QWidget);
    EXPECT_EQ((WindowRect{300, 40, 250, 120}), info->Rect());
    EXPECT_EQ(QStringLiteral("Informations"), info->windowTitle());
    EXPECT_LT(info->View()->height(), 120) << "the view gets the frame's inside";

    // A window moved and resized by the person reads back where it now is, and a new window
    // given that rectangle lands on the same spot.
    info->setGeometry(QRect(10, 50, 300, 200));
    const WindowRect saved = info->Rect();
    info->Destroy();
    ChildFrame* again = frame.CreateChildWindow({"Informations", saved}, new QWidget);
    EXPECT_EQ((WindowRect{10, 50, 300, 200}), again->Rect());
    EXPECT_EQ(again->mapTo(&frame, QPoint(0, 0)), frame.Client().viewport()->mapTo(&frame, QPoint(10, 50)));
}

TEST_F(ChildWindows, ClosingTellsTheProgramOnceAndOnlyWindowsWithASystemMenuClose)
{
    int arrayGone = 0;
    int bitmapGone = 0;
    ChildFrame* array = frame.CreateChildWindow({"Array", {20, 40, 200, 200}}, new QWidget);
    ChildFrame* bitmap = frame.CreateChildWindow({"Bitmap", {0, 32, 130, 144}, false}, new QWidget);
    array->SetDestroyedHandler([&] { ++arrayGone; });
    bitmap->SetDestroyedHandler([&] { ++bitmapGone; });
    EXPECT_TRUE(array->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(bitmap->windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_FALSE(bitmap->close());
    EXPECT_TRUE(bitmap->isVisible());
    EXPECT_EQ(0, bitmapGone);

    QPointer<ChildFrame> watched(array);
    EXPECT_TRUE(array->close()); // as the close box does
    EXPECT_EQ(1, arrayGone);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(1, arrayGone) << "deleting after closing does not tell twice";
    EXPECT_EQ((std::vector<ChildFrame*>{bitmap}), frame.ChildWindows());

    bitmap->Destroy(); // the program may remove even the window the person cannot close
    EXPECT_EQ(1, bitmapGone);
    EXPECT_TRUE(frame.ChildWindows().empty());
}

TEST_F(ChildWindows, WindowsLeftAtExitDoNotCallBack)
{
    auto gone = std::make_shared<int>(0);
    {
        MainFrame other(MENU_VLR, MENU_VLR_FR, MenuLanguage::French);
        other.CreateChildWindow({"Array", {0, 0, 100, 100}}, new QWidget)->SetDestroyedHandler([gone] { ++*gone; });
    }
    EXPECT_EQ(0, *gone);
}

TEST_F(ChildWindows, TheBareWindowSitsBeneathTheFramedOnes)
{
    auto* bar = new QWidget;
    frame.CreateBareWindow(bar, {0, 0, frame.ClientSize().width(), 32});
    ChildFrame* bitmap = frame.CreateChildWindow({"Bitmap", {0, 20, 130, 144}, false}, new QWidget);
    QWidget* viewport = frame.Client().viewport();
    EXPECT_EQ(QRect(0, 0, frame.ClientSize().width(), 32), bar->geometry());
    EXPECT_EQ(bar, viewport->childAt(200, 10));
    EXPECT_TRUE(bitmap->isAncestorOf(viewport->childAt(50, 25)) || viewport->childAt(50, 25) == bitmap)
        << "where they overlap the framed window is on top";

    bitmap->activateWindow();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_TRUE(bitmap->isAncestorOf(viewport->childAt(50, 25)) || viewport->childAt(50, 25) == bitmap)
        << "a click on the bare window does not raise it";
}

TEST_F(ChildWindows, ClicksOnTheBareClientAreReportedInClientCoordinates)
{
    std::vector<std::string> clicks;
    frame.SetClientMouseHandler([&](ClientMouse what, int x, int y) {
        clicks.push_back((what == ClientMouse::LeftButtonUp ? "up " : "double ") + std::to_string(x) + "," + std::to_string(y));
    });
    frame.CreateChildWindow({"Array", {100, 100, 200, 200}}, new QWidget);
    QWidget* viewport = frame.Client().viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(40, 60));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(40, 60));
    // An event a view leaves unhandled reaches the client, but it is not a click on the client.
    QWidget* view = frame.ChildWindows().front()->View();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ((std::vector<std::string>{"up 40,60", "double 400,300"}), clicks);
}

TEST(MainFrameWindow, HasItsTitleAndTakesTheScreensAvailableArea)
{
    MainFrame frame(MENU_QRL_US, MENU_VLR_FR, MenuLanguage::English);
    EXPECT_EQ(QStringLiteral("Vellicor 3.0"), frame.windowTitle());
    int closed = 0;
    frame.SetCloseHandler([&] { ++closed; });
    frame.PlaceOnScreen();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), frame.size());
    int width = 0;
    frame.SetClientResizeHandler([&](int w, int) { width = w; });
    frame.resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.ClientSize().width(), width);
    EXPECT_EQ(500, width);
    frame.close();
    EXPECT_EQ(1, closed);
}

} // namespace
} // namespace vellicor
