#include "tests/shell/ProgramFixture.h"

#include "shell/CommandIds.h"

#include <QImage>
#include <QMdiArea>
#include <QPainter>

namespace vellicor::test {
namespace {

// What the Info window must show, painted apart: the texts at their places on a light grey ground,
// line k at (height / 15) * k.
QImage ExpectedInfo(const QWidget* view, bool english, int level, int count, int changes, const int32_t* numAuto)
{
    const int step = view->height() / 15;
    QImage image(view->size(), QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.setFont(view->font());
    const QRect line(0, 0, image.width() + 200, std::max(step, painter.fontMetrics().height()));
    const auto text = [&](int x, int k, const QString& t) {
        painter.drawText(line.translated(x, k * step), Qt::AlignLeft | Qt::AlignTop, t);
    };
    const auto number = [](int32_t v) { return QString::asprintf("%5d ", v); };
    const int valueX = english ? 50 : 70;
    text(10, 0, english ? "Level:" : "Niveau:");
    text(valueX, 0, number(level));
    text(10, 1, english ? "Count:" : "Nombre:");
    text(valueX, 1, number(count));
    text(10, 3, english ? "Changes:" : "Modif.:");
    text(70, 3, number(changes));
    text(10, 5, english ? "Automaton:" : "Automate:");
    for (int s = 0; s < 8; ++s) {
        text(10, 6 + s, number(numAuto[s]));
        text(80, 6 + s, number(numAuto[s + 8]));
    }
    return image;
}

TEST_F(ProgramTest, InfoWindowPaintsItsTextsInBothLanguages)
{
    Start();
    QWidget* view = program->InfoWindow()->View();
    ASSERT_GT(view->height() / 15, 10);
    const auto shown = [view] { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(ExpectedInfo(view, true, 1, 4, 0, A().iNumAuto), shown());
    Command(command::kNext);
    A().iChanges = 3;
    Command(194);
    Command(command::kFrench);
    EXPECT_EQ(ExpectedInfo(view, false, 2, 7, 3, A().iNumAuto), shown()); // the T grown once
}

TEST_F(ProgramTest, BitmapWindowShowsOnePixelPerCellAtTenPlusXY)
{
    Start();
    const QImage shown = program->BitmapWindow()->View()->grab().toImage();
    for (auto [x, y] : {std::pair{6, 7}, {7, 7}, {8, 7}, {7, 8}})
        EXPECT_EQ(QColor(255, 0, 0), shown.pixelColor(10 + x, 10 + y)) << x << "," << y;
    EXPECT_EQ(QColor(Qt::white), shown.pixelColor(11, 11));
    EXPECT_EQ(QColor(Qt::white), shown.pixelColor(23, 23));
    EXPECT_NE(QColor(Qt::white), shown.pixelColor(24, 24)) << "nothing painted beyond the 13 x 13 image";
}

TEST_F(ProgramTest, DoubleClicksEditACellOrRunNext)
{
    Start();
    QWidget* client = program->Frame().Client().viewport();
    QTest::mouseDClick(program->BitmapWindow()->View(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(2, A().iLevel) << "a double click on the Bitmap window is Next";
    QTest::mouseDClick(program->InfoWindow()->View(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(3, A().iLevel);
    QTest::mouseDClick(client, Qt::LeftButton, Qt::NoModifier, QPoint(700, 300));
    EXPECT_EQ(4, A().iLevel) << "outside the cells: Next";
    EXPECT_EQ(0, A().iChanges);

    // On the bare client one pixel is one cell: (10 + x, 10 + y) is cell (x, y). The windows
    // and the icon bar cover that corner, so move them aside.
    program->Frame().findChild<QWidget*>(QStringLiteral("IconBar"))->move(300, 700);
    program->InfoWindow()->move(300, 300);
    program->BitmapWindow()->move(300, 500);
    const uint8_t before = A().byArray[3][5];
    QTest::mouseDClick(client, Qt::LeftButton, Qt::NoModifier, QPoint(13, 15));
    EXPECT_EQ(4, A().iLevel);
    EXPECT_EQ(1, A().iChanges);
    EXPECT_EQ((before + 1) % 16, A().byArray[3][5]);
}

TEST_F(ProgramTest, ClosingTheInfoWindowUnchecksItAndTheWindowMenuBringsItBack)
{
    Start();
    const WindowRect where = program->InfoWindow()->Rect();
    program->InfoWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(0, program->State().bInfoOpen);
    EXPECT_FALSE(Checked(MenuLanguage::French, command::kWindowInfo));
    Command(command::kWindowInfo);
    ASSERT_NE(nullptr, program->InfoWindow());
    EXPECT_EQ(where, program->InfoWindow()->Rect());
    EXPECT_TRUE(Checked(MenuLanguage::English, command::kWindowInfo));
    ChildFrame* info = program->InfoWindow();
    Command(command::kWindowInfo);
    EXPECT_EQ(info, program->InfoWindow()) << "an open window is left as it is";

    program->BitmapWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(1, program->State().bBitmapOpen) << "the Bitmap window cannot be closed";
}

TEST_F(ProgramTest, ZoomWindowAndItsFactors)
{
    Start(1);
    EXPECT_EQ(nullptr, program->ZoomWindow());
    Command(command::kWindowZoom);
    ASSERT_NE(nullptr, program->ZoomWindow());
    EXPECT_EQ((WindowRect{530, 32, 42, 46}), program->ZoomWindow()->Rect()) << "14 x 3, and 14 x 3 + 4";
    EXPECT_TRUE(Checked(MenuLanguage::English, command::kWindowZoom));

    Command(command::kZoomX4);
    const int width = program->Frame().ClientSize().width();
    EXPECT_EQ((WindowRect{width - 400, 32, 56, 56}), program->ZoomWindow()->Rect());
    for (int id : {command::kZoomX2, command::kZoomX3, command::kZoomX4, command::kZoomX5})
        EXPECT_EQ(id == command::kZoomX4, Checked(MenuLanguage::English, id)) << id;

    // The picture is the array image stretched over the whole client area.
    QWidget* view = program->ZoomWindow()->View();
    const QImage shown = view->grab().toImage();
    const double sx = view->width() / 13.0;
    const double sy = view->height() / 13.0;
    EXPECT_EQ(QColor(255, 0, 0), shown.pixelColor(int((7 - 1 + 0.5) * sx), int((7 - 1 + 0.5) * sy)));
    EXPECT_EQ(QColor(Qt::white), shown.pixelColor(int(0.5 * sx), int(0.5 * sy)));

    program->ZoomWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(0, program->State().bZoomOpen);
    EXPECT_FALSE(Checked(MenuLanguage::English, command::kWindowZoom));
    Command(command::kWindowZoom);
    EXPECT_EQ(3, program->State().iZoomFactor) << "a new Zoom window starts again at x 3";
}

} // namespace
} // namespace vellicor::test
