#include "tests/shell/ProgramFixture.h"

#include "shell/CommandIds.h"
#include "views/InfoView.h"

#include <QAction>
#include <QImage>
#include <QMdiArea>
#include <QPainter>

namespace vellicor::test {
namespace {

struct InfoText {
    int x;
    int line;
    QString text;
};

// What the Info window must show, painted independently: the texts at their places on a light
// grey ground, line k at (height / 15) * k.
QImage ExpectedInfo(QSize size, int lineStep, const QFont& font, const std::vector<InfoText>& texts)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int lineHeight = std::max(lineStep, painter.fontMetrics().height());
    for (const InfoText& t : texts)
        painter.drawText(QRect(t.x, t.line * lineStep, size.width() + 200, lineHeight), Qt::AlignLeft | Qt::AlignTop,
                         t.text);
    return image;
}

std::vector<InfoText> Expected(bool english, int level, int count, int changes, const int32_t (&numAuto)[16])
{
    const int valueX = english ? 50 : 70;
    std::vector<InfoText> texts = {
        {10, 0, english ? "Level:" : "Niveau:"},     {valueX, 0, QString::asprintf("%5d ", level)},
        {10, 1, english ? "Count:" : "Nombre:"},     {valueX, 1, QString::asprintf("%5d ", count)},
        {10, 3, english ? "Changes:" : "Modif.:"},   {70, 3, QString::asprintf("%5d ", changes)},
        {10, 5, english ? "Automaton:" : "Automate:"},
    };
    for (int s = 0; s < 8; ++s) {
        texts.push_back({10, 6 + s, QString::asprintf("%5d ", numAuto[s])});
        texts.push_back({80, 6 + s, QString::asprintf("%5d ", numAuto[s + 8])});
    }
    return texts;
}

TEST_F(ProgramTest, InfoWindowPaintsItsTextsInBothLanguages)
{
    Start();
    QWidget* view = program->InfoWindow()->View();
    const int lineStep = view->height() / 15;
    ASSERT_GT(lineStep, 10);
    QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(ExpectedInfo(view->size(), lineStep, view->font(), Expected(true, 1, 4, 0, A().iNumAuto)), shown);

    Command(command::kNext);
    A().iChanges = 3;
    Command(194);
    Command(command::kFrench);
    shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int count = InfoView::CountLiveCells(A());
    EXPECT_EQ(ExpectedInfo(view->size(), lineStep, view->font(), Expected(false, 2, count, 3, A().iNumAuto)), shown);
}

TEST_F(ProgramTest, BitmapWindowShowsOnePixelPerCellAtTenPlusXY)
{
    Start();
    const QImage shown = program->BitmapWindow()->View()->grab().toImage();
    const QColor red(255, 0, 0);
    for (auto [x, y] : {std::pair{6, 7}, {7, 7}, {8, 7}, {7, 8}})
        EXPECT_EQ(red, shown.pixelColor(10 + x, 10 + y)) << x << "," << y;
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
    QTest::mouseDClick(client, Qt::LeftButton, Qt::NoModifier, QPoint(600, 300));
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
    EXPECT_FALSE(program->Frame().MenuBar(MenuLanguage::French).Item(command::kWindowInfo)->isChecked());
    Command(command::kWindowInfo);
    ASSERT_NE(nullptr, program->InfoWindow());
    EXPECT_EQ(where, program->InfoWindow()->Rect());
    EXPECT_TRUE(program->Frame().MenuBar(MenuLanguage::English).Item(command::kWindowInfo)->isChecked());
    ChildFrame* info = program->InfoWindow();
    Command(command::kWindowInfo);
    EXPECT_EQ(info, program->InfoWindow()) << "an open window is left as it is";

    program->BitmapWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(1, program->State().bBitmapOpen) << "the Bitmap window cannot be closed";
}

} // namespace
} // namespace vellicor::test

namespace vellicor::test {
namespace {

TEST_F(ProgramTest, ZoomWindowAndItsFactors)
{
    Start(1);
    EXPECT_EQ(nullptr, program->ZoomWindow());
    Command(command::kWindowZoom);
    ASSERT_NE(nullptr, program->ZoomWindow());
    EXPECT_EQ((WindowRect{530, 32, 42, 46}), program->ZoomWindow()->Rect()) << "14 x 3, and 14 x 3 + 4";
    EXPECT_TRUE(program->Frame().MenuBar(MenuLanguage::English).Item(command::kWindowZoom)->isChecked());

    Command(command::kZoomX4);
    const int width = program->Frame().ClientSize().width();
    EXPECT_EQ((WindowRect{width - 400, 32, 56, 56}), program->ZoomWindow()->Rect());
    EXPECT_EQ(4, program->State().iZoomFactor);
    for (int id : {command::kZoomX2, command::kZoomX3, command::kZoomX5})
        EXPECT_FALSE(program->Frame().MenuBar(MenuLanguage::English).Item(id)->isChecked()) << id;
    EXPECT_TRUE(program->Frame().MenuBar(MenuLanguage::English).Item(command::kZoomX4)->isChecked());

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
    EXPECT_FALSE(program->Frame().MenuBar(MenuLanguage::English).Item(command::kWindowZoom)->isChecked());
    Command(command::kWindowZoom);
    EXPECT_EQ(3, program->State().iZoomFactor) << "a new Zoom window starts again at x 3";
}

} // namespace
} // namespace vellicor::test
