#include "platform/MainFrame.h"

#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace vellicor {
namespace {

struct ChildWindows : ::testing::Test {
    MainFrame frame{MENU_VLR, MENU_VLR_FR, MenuLanguage::English};

    void SetUp() override
    {
        frame.PlaceOnScreen();
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), frame.size());
    }
};

TEST_F(ChildWindows, RectanglesAndClicksAreInClientCoordinates)
{
    ChildFrame* info = frame.CreateChildWindow({"Informations", {300, 40, 250, 120}}, new QWidget);
    EXPECT_EQ((WindowRect{300, 40, 250, 120}), info->Rect());
    EXPECT_LT(info->View()->height(), 120) << "the view gets the frame's inside";

    // A window moved by the person reads back where it now is, and a new window given that
    // rectangle lands on the same spot.
    info->setGeometry(QRect(10, 50, 300, 200));
    const WindowRect saved = info->Rect();
    info->Destroy();
    ChildFrame* again = frame.CreateChildWindow({"Informations", saved}, new QWidget);
    EXPECT_EQ((WindowRect{10, 50, 300, 200}), again->Rect());
    EXPECT_EQ(again->mapTo(&frame, QPoint(0, 0)), frame.Client().viewport()->mapTo(&frame, QPoint(10, 50)));

    // A bare window (the icon bar) lies beneath the framed ones, even when clicked.
    auto* bar = new QWidget;
    frame.CreateBareWindow(bar, {0, 0, frame.ClientSize().width(), 60});
    QWidget* viewport = frame.Client().viewport();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(bar, viewport->childAt(200, 10));
    EXPECT_TRUE(again->isAncestorOf(viewport->childAt(20, 55))) << "where they overlap the framed window is on top";

    // Clicks on the bare client, not on a window in it, are reported in client coordinates.
    std::vector<std::string> clicks;
    frame.SetClientMouseHandler([&](ClientMouse what, int x, int y) {
        clicks.push_back((what == ClientMouse::LeftButtonUp ? "up " : "double ") + std::to_string(x) + "," + std::to_string(y));
    });
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(40, 300));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(40, 300));
    QTest::mouseClick(again->View(), Qt::LeftButton, {}, QPoint(5, 5)); // left unhandled by the view
    EXPECT_EQ((std::vector<std::string>{"up 40,300", "double 400,300"}), clicks);
}

TEST_F(ChildWindows, TheProgramIsToldOnceWhenAWindowGoesAndOnlyWindowsWithACloseBoxClose)
{
    int arrayGone = 0;
    int bitmapGone = 0;
    ChildFrame* array = frame.CreateChildWindow({"Array", {20, 40, 200, 200}}, new QWidget);
    ChildFrame* bitmap = frame.CreateChildWindow({"Bitmap", {0, 32, 130, 144}, false}, new QWidget);
    array->SetDestroyedHandler([&] { ++arrayGone; });
    bitmap->SetDestroyedHandler([&] { ++bitmapGone; });
    EXPECT_FALSE(bitmap->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(bitmap->close());
    EXPECT_EQ(0, bitmapGone);

    const QPointer<ChildFrame> watched(array);
    EXPECT_TRUE(array->close()); // as the close box does
    EXPECT_EQ(1, arrayGone);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(1, arrayGone) << "deleting after closing does not tell twice";
    EXPECT_EQ((std::vector<ChildFrame*>{bitmap}), frame.ChildWindows());

    bitmap->Destroy(); // the program may remove even the window the person cannot close
    EXPECT_EQ(1, bitmapGone);
    EXPECT_TRUE(frame.ChildWindows().empty());

    auto gone = std::make_shared<int>(0);
    {
        MainFrame other(MENU_VLR, MENU_VLR_FR, MenuLanguage::French);
        other.CreateChildWindow({"Array", {0, 0, 100, 100}}, new QWidget)->SetDestroyedHandler([gone] { ++*gone; });
    }
    EXPECT_EQ(0, *gone) << "windows left at exit do not call back into a program being destroyed";
}

} // namespace
} // namespace vellicor
