// The Array window as a person uses it: real mouse events on its view, and its painted pixels.

#include "tests/shell/ProgramFixture.h"

#include "content/SelectionFile.h"
#include "resources/ContentMessages.h"
#include "shell/CommandIds.h"

#include <QAction>
#include <QFile>

namespace vellicor::test {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0); // state 1

class ArrayWindowTest : public ProgramTest {
protected:
    QWidget* View() { return program->ArrayWindowFrame()->View(); }
    int C() { return program->GetModel().cells.iCellWidth; }

    void SizeClient(int width, int height)
    {
        ChildFrame* frame = program->ArrayWindowFrame();
        frame->resize(QSize(width, height) + (frame->size() - View()->size()));
        ASSERT_EQ(QSize(width, height), View()->size());
    }
    QImage Shown() { return View()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QPoint Cell(int x, int y) { return {10 + x * C() + C() / 2, 10 + y * C() + C() / 2}; }
    QColor ShownAt(QPoint p) { return Shown().pixelColor(p); }

    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) { Drag(at, at, button); }
    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(View(), button, Qt::NoModifier, from);
        QTest::mouseRelease(View(), button, Qt::NoModifier, to);
    }
    // In every bar that has the item.
    void ExpectEnabled(std::initializer_list<int> ids, bool enabled)
    {
        for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French})
            for (int id : ids)
                if (QAction* item = program->Frame().MenuBar(bar).Item(id)) {
                    EXPECT_EQ(enabled, item->isEnabled()) << id;
                }
    }
};

TEST_F(ArrayWindowTest, ThreeHundredByFourHundredClientGivesCellsOfEighteenAndTheirGrid)
{
    Start();
    SizeClient(300, 400);
    EXPECT_EQ(18, C());
    QImage shown = Shown();
    for (int x : {28, 28 + 18, 262})
        EXPECT_EQ(kBlack, shown.pixelColor(x, 100)) << "vertical line " << x;
    EXPECT_EQ(kBlack, shown.pixelColor(100, 262)) << "the last horizontal line";
    for (QPoint outside : {QPoint(27, 100), QPoint(263, 100), QPoint(100, 27), QPoint(100, 263)})
        EXPECT_EQ(kWhite, shown.pixelColor(outside)) << outside.x() << "," << outside.y();
    // Cell (7, 7) holds state 1: the 17 x 17 pixels inside its lines.
    const int left = 10 + 7 * 18;
    EXPECT_EQ(kRed, shown.pixelColor(left + 1, left + 1));
    EXPECT_EQ(kRed, shown.pixelColor(left + 17, left + 17));
    EXPECT_EQ(kBlack, shown.pixelColor(left + 18, left + 5));

    program->GetModel().settings.bRectangle = 0;
    program->GetModel().settings.bDrawGrid = 0;
    shown = Shown();
    EXPECT_EQ(kWhite, shown.pixelColor(left + 2, left + 2)) << "an ellipse leaves the corners";
    EXPECT_EQ(kRed, shown.pixelColor(left + 9, left + 9));
    EXPECT_EQ(kRed, shown.pixelColor(left + 2, left + 9)) << "one pixel inside the line";
    EXPECT_EQ(kWhite, shown.pixelColor(left + 1, left + 9));
    EXPECT_EQ(kWhite, shown.pixelColor(28, 100)) << "no grid";
}

TEST_F(ArrayWindowTest, RightClicksCycleTheStateAndCountChanges)
{
    Start();
    A().byArray[3][4] = 15;
    Click(Cell(3, 4), Qt::RightButton);
    EXPECT_EQ(0, A().byArray[3][4]);
    Click(Cell(3, 4), Qt::RightButton);
    EXPECT_EQ(1, A().byArray[3][4]);
    EXPECT_EQ(kRed, ShownAt(Cell(3, 4)));
    Click(QPoint(5, 5), Qt::RightButton); // the margin
    EXPECT_EQ(2, A().iChanges);
    EXPECT_EQ(1, A().iLevel);
}

TEST_F(ArrayWindowTest, WindowLifecycleAndMarkingSetTheSelectionItemsInBothBars)
{
    Start(1);
    const std::initializer_list<int> pointItems = {401, 405, 420, 448};
    const std::initializer_list<int> rectangleItems = {402, 404, 406, 408, 409, 410, 411, 412};
    ExpectEnabled(pointItems, false);
    ExpectEnabled(rectangleItems, false);
    Command(420); // no point yet: nothing may land on the ring
    EXPECT_EQ(0, A().byArray[1][0]);
    EXPECT_EQ(Qt::CrossCursor, View()->cursor().shape());

    const QImage plain = Shown();
    Click(Cell(3, 3));
    ExpectEnabled(pointItems, true);
    ExpectEnabled(rectangleItems, false);
    EXPECT_EQ(kBlack, ShownAt(Cell(3, 3))) << "the point's white cell inverted";
    Drag(Cell(2, 3), Cell(5, 4));
    ExpectEnabled(pointItems, false);
    ExpectEnabled(rectangleItems, true);
    EXPECT_EQ(kWhite, ShownAt(Cell(3, 3) - QPoint(0, C()))) << "outside the 4 x 2 cells";
    EXPECT_EQ(kBlack, ShownAt(Cell(5, 4)));
    EXPECT_EQ(kWhite, ShownAt(Cell(6, 4)));
    Drag(Cell(5, 4), Cell(2, 3));
    EXPECT_EQ(plain, Shown()) << "dragged up and left: no cell, no highlight";

    program->ArrayWindowFrame()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(0, program->GetModel().settings.bMatrixWindowOn);
    ExpectEnabled({command::kCopyArray, 402, 404}, false);
    EXPECT_FALSE(program->Frame().MenuBar(MenuLanguage::French).Item(command::kWindowArray)->isChecked());
    Command(command::kWindowArray);
    EXPECT_TRUE(program->Frame().MenuBar(MenuLanguage::English).Item(command::kWindowArray)->isChecked());
    ExpectEnabled({command::kCopyArray}, true);
}

TEST_F(ArrayWindowTest, ReleaseOutsideRunsStepGenerationsAndTakesTheHighlightOff)
{
    Start();
    Click(Cell(3, 3));
    A().iStep = 2;
    Drag(Cell(4, 4), QPoint(-20, 600)); // out of the window, the button held
    EXPECT_EQ(3, A().iLevel);
    EXPECT_EQ(kWhite, ShownAt(Cell(3, 3)));
    ExpectEnabled({405}, true);
    ExpectEnabled({404}, false);
}

TEST_F(ArrayWindowTest, AnIncrementalRepaintAfterSeveralGenerationsEqualsAFullOne)
{
    Start();
    SizeClient(300, 400);
    program->GetModel().settings.bRectangle = 0; // the ellipses' corners too
    Shown();
    A().iStep = 3;
    Command(command::kNext);
    ASSERT_EQ(1, A().bIncrementalPaint);
    const QImage incremental = Shown();
    A().bIncrementalPaint = 0;
    EXPECT_EQ(Shown(), incremental);
}

TEST_F(ArrayWindowTest, TheHighlightIsPartOfThePicture)
{
    Start();
    const QImage plain = Shown();
    Drag(Cell(2, 2), Cell(4, 3));
    const QImage highlighted = Shown();
    EXPECT_NE(plain, highlighted);
    A().bIncrementalPaint = 0;
    EXPECT_EQ(highlighted, Shown()) << "a full repaint";
    Command(command::kMosaicWhole); // a command that repaints the main window with erase
    program->Frame().repaint();
    EXPECT_EQ(highlighted, Shown());
    Command(404); // Copy takes the highlight off, and nothing else
    EXPECT_EQ(plain, Shown());
}

TEST_F(ArrayWindowTest, ASavedSelectionLoadsBackAtAnotherPointThroughTheFileDialogs)
{
    Start();
    const std::string path = folder.filePath("block.txt").toStdString();
    A().byArray[3][3] = 2;
    A().byArray[5][4] = 15;
    const QImage plain = Shown();
    Drag(Cell(3, 3), Cell(5, 4));
    prompts.QueueFileAnswer(std::nullopt);
    Command(402);
    EXPECT_EQ(plain, Shown()) << "Cancel takes the rectangle's highlight off";
    prompts.QueueFileAnswer(path);
    Command(402);
    Click(Cell(8, 9));
    prompts.QueueFileAnswer(std::nullopt);
    Command(401);
    EXPECT_EQ(0, A().byArray[8][9]) << "Cancel loads nothing";
    EXPECT_EQ(plain, Shown()) << "and takes the point's highlight off";
    prompts.QueueFileAnswer(path);
    Command(401);
    EXPECT_EQ(2, A().byArray[8][9]);
    EXPECT_EQ(15, A().byArray[10][10]);
    ASSERT_EQ(4u, prompts.Log().size());
    EXPECT_EQ("", prompts.Log()[1].text) << "a cancelled dialog keeps the name";
    EXPECT_EQ(path, prompts.Log()[3].text) << "the last name proposed again";

    Drag(Cell(8, 8), Cell(12, 12));
    A().wMaxHor = A().wMaxVer = 8; // the array shrank after the selection
    Command(404);
    A().wMaxHor = A().wMaxVer = 14;
    std::ofstream(folder.filePath("junk.asc").toStdString()) << "1\t99\t300\nabc\n";
    Command(command::kFrench);
    prompts.QueueFileAnswer(folder.filePath("junk.asc").toStdString());
    Command(401);
    prompts.QueueFileAnswer(folder.filePath("none.txt").toStdString());
    Command(401);
    EXPECT_EQ((std::vector<std::string>{std::string(kObjectOverlapsMessage.english), std::string(kDataErrorMessage.french),
                                        std::string(kLoadErrorMessage.french)}),
              Messages());
}

} // namespace
} // namespace vellicor::test
