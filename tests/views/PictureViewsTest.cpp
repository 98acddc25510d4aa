// The Mosaic and Multi-bitmap windows by their painted pixels, and the Edit menu's copies by what
// reaches the clipboard.

#include "tests/shell/ProgramFixture.h"

#include "content/Initialisation.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "shell/CommandIds.h"
#include "views/ArrayImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vellicor::test {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);   // state 1
const QColor kBlue(0, 0, 255);  // state 3
const QColor kStates[] = {kWhite, kRed, QColor(0, 255, 0), kBlue};

class PictureViewsTest : public ProgramTest {
protected:
    static QImage Shown(const ChildFrame* window)
    {
        return window->View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static void SizeClient(ChildFrame* window, int width, int height)
    {
        window->resize(QSize(width, height) + (window->size() - window->View()->size()));
        ASSERT_EQ(QSize(width, height), window->View()->size());
    }
    void SetArraySize(int width, int height)
    {
        Model& m = program->GetModel();
        vellicor::SetArraySize(m.automaton, m.content, m.cells, width, height, [&m] { ResetAutomaton(m); });
    }
    static QImage ClipboardImage()
    {
        return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(PictureViewsTest, MosaicCoversTheWindowWithTheTileFromTheTopLeft)
{
    Start();
    A().byArray[13][13] = 3; // the last cell: its column and row are the ones the tile doubles
    SizeClient(program->MosaicWindow(), 185, 200); // 13 whole tiles and 3 pixels across, 14 and 4 down
    const QImage shown = Shown(program->MosaicWindow());
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 185; ++x) {
            const int cellX = std::min(x % 14, 12) + 1;
            const int cellY = std::min(y % 14, 12) + 1;
            ASSERT_EQ(kStates[A().byArray[cellX][cellY]], shown.pixelColor(x, y)) << x << "," << y;
        }
}

TEST_F(PictureViewsTest, BrushModeRepeatsEightPixelsWhateverTheArraySize)
{
    Start();
    Command(command::kMosaicBrush);
    for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French}) {
        EXPECT_TRUE(Checked(bar, command::kMosaicBrush));
        EXPECT_FALSE(Checked(bar, command::kMosaicWhole));
    }
    const auto expectEightPixelRepeat = [](const QImage& shown) {
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_EQ(shown.pixelColor(x % 8, y % 8), shown.pixelColor(x, y)) << x << "," << y;
    };
    QImage shown = Shown(program->MosaicWindow());
    expectEightPixelRepeat(shown);
    EXPECT_EQ(kRed, shown.pixelColor(6, 6)) << "cell (7, 7) of the Standard figure";
    EXPECT_EQ(kWhite, shown.pixelColor(4, 6));

    // A tile of 6 x 6 pixels fills the brush by repeating itself.
    SetArraySize(5, 5);
    A().byArray[1][1] = 1;
    A().byArray[5][5] = 3;
    shown = Shown(program->MosaicWindow());
    expectEightPixelRepeat(shown);
    EXPECT_EQ(kRed, shown.pixelColor(6, 6)) << "the tile's first pixel again";
    EXPECT_EQ(kBlue, shown.pixelColor(5, 5)) << "the doubled last pixel";
    EXPECT_EQ(kRed, shown.pixelColor(8, 0));
    Command(command::kMosaicWhole);
    EXPECT_EQ(kWhite, Shown(program->MosaicWindow()).pixelColor(8, 0)) << "whole tiles repeat every 6";
}

TEST_F(PictureViewsTest, EveryGenerationOfAContinuousRunTakesTheNextSlotOfTheSheet)
{
    Start();
    EXPECT_EQ(kRed, Shown(program->MultiBitmapWindow()).pixelColor(6, 6)) << "the figure at (0, 0) at start";
    SizeClient(program->MultiBitmapWindow(), 185, 200);
    EXPECT_EQ(18, A().iTilePitchX);
    EXPECT_EQ(10, A().iTilesPerRow);
    EXPECT_EQ(11, A().iTilesPerCol);
    Command(command::kStandard); // a reset: the first generation goes to the second slot
    Automaton expected = A();
    A().iIterLimit = A().iLevel + 10;
    Command(command::kContinuous);
    ASSERT_EQ(11, A().iLevel);
    const QImage shown = Shown(program->MultiBitmapWindow());
    for (int k = 1; k <= 10; ++k) {
        ComputeNextGeneration(expected);
        const QPoint slot = k < 10 ? QPoint(5 + 18 * k, 5) : QPoint(5, 23);
        const QImage tile = RenderArrayImage(expected, program->GetModel().settings.crStateColor);
        EXPECT_EQ(tile, shown.copy(QRect(slot, tile.size()))) << "generation " << k;
    }
    EXPECT_EQ(kWhite, shown.pixelColor(22, 10)) << "the gap before the second slot";
}

TEST_F(PictureViewsTest, OneRowGenerationsStackIntoASpaceTimePicture)
{
    WriteSettings("[Vellicor]\nbDisplaySucc=1\niMBitmapVer=0\n");
    Start();
    SetArraySize(40, 1);
    ClearArray(A()); // the Standard figure reaches into the border ring of so low an array
    A().byArray[20][1] = 1;
    A().iNumAuto[0] = 1023 - 2; // one live neighbour gives life, anything else death
    A().iNumAuto[1] = 2;
    DecodeRules(A());
    Automaton expected = A();
    QImage rows[8];
    for (QImage& row : rows) {
        Command(command::kNext);
        ComputeNextGeneration(expected);
        row = RenderArrayImage(expected, program->GetModel().settings.crStateColor);
    }
    const QImage shown = Shown(program->MultiBitmapWindow());
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(rows[k], shown.copy(5, 6 + k, 40, 1)) << "generation " << k + 1 << " at y = " << 6 + k;
    EXPECT_EQ(kRed, shown.pixelColor(5 + 18, 6)) << "cells 19 and 21 of the first generation";
    EXPECT_EQ(kWhite, shown.pixelColor(5 + 19, 6));
}

TEST_F(PictureViewsTest, TheSheetOutlivesCoveringErasingAndResizing)
{
    Start();
    ChildFrame* sheet = program->MultiBitmapWindow();
    for (int i = 0; i < 12; ++i)
        Command(command::kNext);
    const QImage before = Shown(sheet);
    program->InfoWindow()->move(sheet->pos());
    program->InfoWindow()->raise();
    Command(command::kMosaicWhole); // repaints the main window with erase
    program->Frame().repaint();
    sheet->resize(60, 60);
    sheet->resize(before.size() + (sheet->size() - sheet->View()->size()));
    EXPECT_EQ(before, Shown(sheet));
}

TEST_F(PictureViewsTest, EachCopyPutsOneTextOrOnePictureOnTheClipboard)
{
    Start();
    QClipboard* clipboard = QGuiApplication::clipboard();
    Command(command::kFrench); // the labels stay English
    Command(command::kCopyInfo);
    EXPECT_EQ(QStringLiteral("Level:    1 Count:    4 Changes:    0 Automaton:  499     8 ") +
                  QStringLiteral("    0 ").repeated(14),
              clipboard->text());
    EXPECT_EQ(144, clipboard->text().size());

    Command(command::kCopyBitmap);
    EXPECT_FALSE(clipboard->mimeData()->hasText()) << "the picture replaced the text";
    const QImage bitmap = ClipboardImage();
    EXPECT_EQ(QSize(14, 14), bitmap.size());
    EXPECT_EQ(kRed, bitmap.pixelColor(6, 7));

    ChildFrame* array = program->ArrayWindowFrame();
    SizeClient(array, 300, 400);
    QTest::mousePress(array->View(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    QTest::mouseRelease(array->View(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 70));
    program->MosaicWindow()->move(array->pos()); // a covered window still copies whole
    Command(command::kCopyArray);
    EXPECT_EQ(QSize(300, 400), ClipboardImage().size());
    for (auto [id, window] : {std::pair{command::kCopyArray, array}, {command::kCopyMosaic, program->MosaicWindow()},
                              {command::kCopyMultiBitmap, program->MultiBitmapWindow()}}) {
        Command(id);
        EXPECT_EQ(Shown(window), ClipboardImage()) << id << ", the Array window's highlight included";
    }
}

TEST_F(PictureViewsTest, WindowsComeAndGoWithTheirMarksAndInitialiserMakesAllThreeAgain)
{
    Start();
    Command(command::kFrench);
    program->MosaicWindow()->close();
    program->MultiBitmapWindow()->close();
    QCoreApplication::processEvents();
    for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French}) {
        EXPECT_FALSE(Checked(bar, command::kWindowMosaic));
        EXPECT_FALSE(Checked(bar, command::kWindowMultiBitmap));
        for (int id : {command::kCopyMosaic, command::kCopyMultiBitmap})
            EXPECT_FALSE(program->Frame().MenuBar(bar).Item(id)->isEnabled()) << id;
    }
    Command(command::kWindowMosaic);
    EXPECT_EQ(QStringLiteral("Mosaïque"), program->MosaicWindow()->windowTitle());
    EXPECT_TRUE(program->Frame().MenuBar(MenuLanguage::French).Item(command::kCopyMosaic)->isEnabled());
    program->ArrayWindowFrame()->move(0, 0);

    Command(command::kWindowInitialise);
    QCoreApplication::processEvents();
    const Settings& s = program->GetModel().settings;
    EXPECT_EQ(QStringLiteral("Matrice"), program->ArrayWindowFrame()->windowTitle());
    EXPECT_EQ(QStringLiteral("Mosaique"), program->MosaicWindow()->windowTitle());
    EXPECT_EQ((WindowRect{s.layout.matrix.x, s.layout.matrix.y, s.layout.matrix.width, s.layout.matrix.height}),
              program->ArrayWindowFrame()->Rect());
    const LayoutRect& m = s.layout.multiBitmap;
    EXPECT_EQ((WindowRect{m.x, m.y, m.width, m.height}), program->MultiBitmapWindow()->Rect());
    EXPECT_EQ(1, s.bMultiBitmapWindowOn);
    EXPECT_TRUE(Checked(MenuLanguage::English, command::kWindowMultiBitmap));
    EXPECT_EQ(5u, program->Frame().ChildWindows().size()) << "the old three gone";
}

} // namespace
} // namespace vellicor::test
