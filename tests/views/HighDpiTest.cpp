// The views on a screen scaled by 2 (this executable's main sets QT_SCALE_FACTOR before the
// application exists): every logical pixel is 2 x 2 device pixels, and the window system reports
// the mouse in device pixels, so a position can fall in the second half of a logical pixel. The
// mouse goes through the window system as a real one does, not straight to the widget.

#include "tests/shell/ProgramFixture.h"

#include "views/ArrayImage.h"
#include "pictures/StateImage.h"
#include "shell/Canvas.h"
#include "views/CanvasView.h"
#include "views/PictureView.h"

#include <QWindow>

namespace vellicor::test {
namespace {

constexpr int kRatio = 2;

class HighDpiTest : public ProgramTest {
protected:
    ChildFrame* Array() { return program->ArrayWindowFrame(); }
    int C() { return program->GetModel().cells.iCellWidth; }
    // The device pixels that show a view, as the screen gets them.
    static QImage Shown(QWidget* view) { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage Doubled(const QImage& logical)
    {
        return logical.scaled(logical.size() * kRatio).convertToFormat(QImage::Format_RGB32); // nearest
    }

    // A press or release at a position of the Array view, in logical pixels, delivered by the
    // window system to whatever lies under it.
    void Mouse(QEvent::Type type, Qt::MouseButton button, QPointF at)
    {
        QWidget* top = &program->Frame();
        const QPointF local = Array()->View()->mapTo(top, at);
        timestamp_ += 1000; // never a double click
        qt_handleMouseEvent(top->windowHandle(), local, top->mapToGlobal(local),
                            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, button, type,
                            Qt::NoModifier, timestamp_);
    }
    void Click(Qt::MouseButton button, QPointF at) { Drag(button, at, at); }
    void Drag(Qt::MouseButton button, QPointF from, QPointF to)
    {
        Mouse(QEvent::MouseButtonPress, button, from);
        Mouse(QEvent::MouseButtonRelease, button, to);
    }
    // The logical position of the last device pixel of cell x: its right half, where rounding
    // instead of taking the pixel it falls in would give the next cell.
    double LastOf(int x) { return 10 + (x + 1) * C() - 0.5; }

private:
    int timestamp_ = 0;
};

TEST_F(HighDpiTest, EveryPictureViewShowsEachOfItsPixelsAsTwoByTwoDevicePixels)
{
    Start();
    Command(107); // random cells, so that a shifted or smoothed pixel shows
    ASSERT_EQ(kRatio, Array()->View()->devicePixelRatio());
    for (ChildFrame* window : {Array(), program->MosaicWindow(), program->MultiBitmapWindow()}) {
        ASSERT_NE(nullptr, window);
        auto* view = static_cast<PictureView*>(window->View());
        EXPECT_EQ(Doubled(view->Picture()), Shown(view)) << window->windowTitle().toStdString();
    }
    const QImage cells = Doubled(RenderArrayImage(A(), program->GetModel().settings.crStateColor));
    EXPECT_EQ(cells, Shown(program->BitmapWindow()->View()).copy(QRect(QPoint(11, 11) * kRatio, cells.size())));
}

TEST_F(HighDpiTest, RightClicksAndDragsLandOnTheCellUnderThePointer)
{
    WriteSettings("[Vellicor]\nbRectangle=1\n");
    Start();
    Command(106); // Null: every cell white
    Array()->resize(QSize(300, 400) + (Array()->size() - Array()->View()->size()));
    ASSERT_EQ(18, C());

    // The last device pixel of cell (4, 2): the cell turns red, and that pixel with it.
    Click(Qt::RightButton, {LastOf(4), LastOf(2)});
    EXPECT_EQ(1, A().byArray[4][2]);
    EXPECT_EQ(0, A().byArray[5][3]);
    const QImage shown = Shown(Array()->View());
    EXPECT_EQ(QColor(255, 0, 0), shown.pixelColor(int(LastOf(4) * kRatio), int(LastOf(2) * kRatio)));

    // A drag from the line before cell (2, 3) to the last device pixel of cell (5, 4) selects
    // those cells, and their inversion covers exactly their device pixels.
    const QImage plain = Shown(Array()->View());
    Drag(Qt::LeftButton, {10 + 2 * C() + 0.5, 10 + 3 * C() + 0.5}, {LastOf(5), LastOf(4)});
    const Selection& s = program->GetSelection();
    EXPECT_EQ(QRect(QPoint(2, 3), QPoint(5, 4)),
              QRect(QPoint(s.iSelStartX, s.iSelStartY), QPoint(s.iSelEndX, s.iSelEndY)));
    const QImage selected = Shown(Array()->View());
    QRect inverted;
    for (int y = 0; y < selected.height(); ++y)
        for (int x = 0; x < selected.width(); ++x)
            if (selected.pixel(x, y) != plain.pixel(x, y))
                inverted |= QRect(x, y, 1, 1);
    const QRect cells(QPoint(10 + 2 * C(), 10 + 3 * C()), QPoint(10 + 6 * C() - 1, 10 + 5 * C() - 1));
    EXPECT_EQ(QRect(cells.topLeft() * kRatio, cells.size() * kRatio), inverted);
}

TEST_F(HighDpiTest, TheCanvasShowsEachCellAsTwoByTwoDevicePixelsAtEveryZoom)
{
    Start();
    Command(107);
    Key(Qt::Key_K);
    CanvasWindow* canvas = program->GetCanvas().Window();
    ASSERT_NE(nullptr, canvas);
    CanvasView& view = canvas->View();
    for (int i = 0; i < 1000 && view.Picture().isNull(); ++i)
        QTest::qWait(5);
    ASSERT_FALSE(view.Picture().isNull());
    for (int zoom : {1, 3}) {
        view.SetZoom(zoom);
        // The part of the zoomed canvas in the view, wherever the view puts it.
        const QRect shown = QRect(view.Origin(), view.Picture().size() * zoom) & view.rect();
        const QImage logical = ScaledPicture(view.Picture(), zoom).copy(shown.translated(-view.Origin()));
        EXPECT_EQ(Doubled(logical), Shown(&view).copy(QRect(shown.topLeft() * kRatio, shown.size() * kRatio)))
            << "zoom " << zoom;
    }
}

} // namespace
} // namespace vellicor::test
