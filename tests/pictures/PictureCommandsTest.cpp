// Pictures out of the running program, through the views' context menus as a person opens them:
// each saved PNG is the view's picture, a recorded GIF or video holds every generation of the run,
// and a stopped or failed recording leaves no file.

#include "tests/shell/ProgramFixture.h"

#include "tests/pictures/DecodedVideo.h"

#include "content/AtomicFile.h"
#include "content/FieldStarts.h"
#include "engine/CellField.h"
#include "engine/Step.h"
#include "pictures/StateImage.h"
#include "resources/Messages.h"
#include "resources/PictureTexts.h"
#include "shell/Canvas.h"
#include "shell/CommandIds.h"
#include "shell/PictureCommands.h"
#include "views/InfoView.h"

#include <gif_lib.h>

#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <random>

namespace vellicor::test {
namespace {

class PictureCommandsTest : public ProgramTest {
protected:
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }

    // The right button, or in the Array window the keyboard's Shift+F10.
    static QMenu* OpenMenu(ChildFrame* window, bool byKeyboard)
    {
        QWidget* view = window->View();
        if (byKeyboard) {
            QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), view->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(view, &click);
        }
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    static void Choose(QMenu* menu, const BilingualText& item)
    {
        for (QAction* action : menu->actions())
            if (action->text().toStdString() == item.english) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                QCoreApplication::processEvents(); // the command runs once the menu has gone
                return;
            }
        FAIL() << "no item " << item.english;
    }

    // Every frame of a GIF file as state indices, with the delay of the first frame.
    static std::vector<QImage> GifFrames(const std::string& path, int* delay = nullptr)
    {
        int error = 0;
        GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
        std::vector<QImage> frames;
        if (gif == nullptr || DGifSlurp(gif) != GIF_OK)
            return frames;
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            QImage frame(image.ImageDesc.Width, image.ImageDesc.Height, QImage::Format_Grayscale8);
            for (int y = 0; y < frame.height(); ++y)
                std::memcpy(frame.scanLine(y), image.RasterBits + y * frame.width(), static_cast<size_t>(frame.width()));
            frames.push_back(frame);
        }
        GraphicsControlBlock control{};
        if (delay != nullptr && DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK)
            *delay = control.DelayTime;
        DGifCloseFile(gif, &error);
        return frames;
    }

    // The states of the live cells, as GifFrames gives them.
    static QImage States(const Automaton& a, int scale)
    {
        QImage states = ScaledPicture(StateImage(a, kDefaultColours), scale);
        states.reinterpretAsFormat(QImage::Format_Grayscale8);
        return states;
    }
    static constexpr uint32_t kDefaultColours[kStateCount] = {};
};

TEST_F(PictureCommandsTest, SavedPictureOfEachViewIsWhatItPaints)
{
    Start();
    Command(command::kWindowZoom);
    A().byArray[2][3] = 7;
    for (int i = 0; i < 4; ++i)
        Command(command::kNext);
    // The Bitmap window's picture is its image, here three pixels a cell.
    QMenu* menu = OpenMenu(program->BitmapWindow(), false);
    ASSERT_NE(nullptr, menu);
    menu->actions().at(1)->menu()->actions().at(2)->trigger();
    menu->close();
    ASSERT_EQ(3, program->Pictures().Scale(ViewKind::Bitmap));

    const struct {
        ChildFrame* window;
        const char* file;
    } kViews[] = {{program->BitmapWindow(), "bitmap.png"},     {program->ZoomWindow(), "zoom.png"},
                  {program->MosaicWindow(), "mosaic.png"},     {program->MultiBitmapWindow(), "multi.png"},
                  {program->ArrayWindowFrame(), "array.png"}, {program->InfoWindow(), "info.txt"}};
    for (const auto& view : kViews) {
        const bool array = view.window == program->ArrayWindowFrame();
        prompts.QueueFileAnswer(Path(view.file));
        menu = OpenMenu(view.window, array);
        ASSERT_NE(nullptr, menu) << view.file;
        Choose(menu, view.window == program->InfoWindow() ? kSaveTextItem : kSavePictureItem);
        QImage shown = view.window->View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (view.window == program->BitmapWindow())
            shown = ScaledPicture(shown.copy(11, 11, 13, 13), 3);
        if (view.window == program->InfoWindow()) {
            std::string text;
            ASSERT_TRUE(ReadWholeFile(Path(view.file), text));
            EXPECT_EQ(InfoView::InfoText(A()) + "\n", text);
        } else {
            EXPECT_EQ(shown, QImage(QString::fromStdString(Path(view.file))).convertToFormat(QImage::Format_RGB32))
                << view.file;
        }
    }
    // The folder of the last file is proposed again; a file that cannot be written says so.
    EXPECT_EQ(Path("zoom.png"), Logged(PromptRecord::Kind::File).at(1));
    prompts.QueueFileAnswer(Path("missing/bitmap.png"));
    prompts.QueueMessageAnswer(kIdOk);
    Choose(OpenMenu(program->BitmapWindow(), false), kSavePictureItem);
    EXPECT_EQ(std::vector<std::string>{std::string(kPictureWriteErrorMessage.english)}, Messages());
    EXPECT_EQ(nullptr, OpenMenu(program->ArrayWindowFrame(), false)) << "the right button cycles a state there";
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

TEST_F(PictureCommandsTest, RecordingHoldsTheShownGenerationThenEveryGenerationOfTheRun)
{
    Start();
    A().byArray[9][2] = 3;
    Automaton expected = A();
    expected.iIterLimit = INT32_MAX;
    A().iIterLimit = A().iLevel + 5; // the run meets the limit; Retry raises it
    prompts.QueueDialogAnswer(DialogAnswer()
                                  .Type(record_dialog::kGenerations, "12")
                                  .Type(record_dialog::kScale, "2")
                                  .Type(record_dialog::kDelay, "70")
                                  .Click(kIdOk));
    prompts.QueueFileAnswer(Path("run.gif"));
    prompts.QueueMessageAnswer(kIdRetry);
    Choose(OpenMenu(program->BitmapWindow(), false), kRecordRunItem);
    EXPECT_EQ(13, A().iLevel);
    EXPECT_EQ(std::vector<std::string>{std::string(kNextLimitMessage.english)}, Messages());

    int delay = 0;
    const std::vector<QImage> frames = GifFrames(Path("run.gif"), &delay);
    ASSERT_EQ(13u, frames.size());
    EXPECT_EQ(7, delay) << "hundredths of a second";
    for (size_t k = 0; k < frames.size(); ++k) {
        EXPECT_EQ(States(expected, 2), frames[k]) << "generation " << k + 1;
        ComputeNextGeneration(expected);
    }

    // Another view records its own picture: the Mosaic's last frame is the Mosaic as it ends.
    prompts.QueueDialogAnswer(DialogAnswer().Type(record_dialog::kGenerations, "3").Click(kIdOk));
    prompts.QueueFileAnswer(Path("mosaic.gif"));
    Choose(OpenMenu(program->MosaicWindow(), false), kRecordRunItem);
    const std::vector<QImage> mosaic = GifFrames(Path("mosaic.gif"));
    ASSERT_EQ(4u, mosaic.size());
    const QImage shown = program->Pictures().Picture(ViewKind::Mosaic);
    ASSERT_EQ(shown.size(), mosaic.back().size());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(program->GetModel().settings.crStateColor[mosaic.back().constScanLine(y)[x]],
                      static_cast<uint32_t>(qRed(shown.pixel(x, y)) | qGreen(shown.pixel(x, y)) << 8 |
                                            qBlue(shown.pixel(x, y)) << 16))
                << x << "," << y;
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

// Every generation is a frame of the video, and at four pixels a cell every cell's centre keeps
// its state's colour, in both formats, on a soup of all sixteen states.
TEST_F(PictureCommandsTest, VideoHoldsEveryGenerationWithCrispCells)
{
    Start();
    std::mt19937 soup(11);
    for (int x = 1; x < EffectiveMaxHor(A()); ++x)
        for (int y = 1; y < EffectiveMaxVer(A()); ++y)
            A().byArray[x][y] = static_cast<uint8_t>(soup() % kStateCount);
    const uint32_t* colours = program->GetModel().settings.crStateColor;
    const struct {
        const char* file;
        const char* codec;
        AVPixelFormat pixels;
    } kFormats[] = {{"run.mp4", "h264", AV_PIX_FMT_YUV420P}, {"run.WebM", "vp9", AV_PIX_FMT_YUV444P}};
    for (const auto& format : kFormats) {
        Automaton expected = A();
        prompts.QueueDialogAnswer(DialogAnswer()
                                      .Type(record_dialog::kGenerations, "6")
                                      .Type(record_dialog::kScale, "4")
                                      .Type(record_dialog::kFramesPerSecond, "30")
                                      .Click(kIdOk));
        prompts.QueueFileAnswer(Path(format.file));
        Choose(OpenMenu(program->BitmapWindow(), false), kRecordVideoItem);

        const DecodedVideo video = DecodeVideo(Path(format.file));
        EXPECT_EQ(format.codec, video.codec);
        EXPECT_EQ(format.pixels, video.pixelFormat);
        EXPECT_EQ(30, av_q2d(video.frameRate)) << format.file;
        ASSERT_EQ(7u, video.frames.size()) << format.file;
        for (size_t k = 0; k < video.frames.size(); ++k) {
            const QImage cells = StateImage(expected, colours);
            ASSERT_EQ(cells.size() * 4, video.frames[k].size());
            EXPECT_LE(CentreDifference(video.frames[k], cells, 4), 40) << format.file << ", generation " << k + 1;
            ComputeNextGeneration(expected);
        }
    }
    // The name gives the format: one of neither is refused before the run.
    const int32_t level = A().iLevel;
    prompts.QueueDialogAnswer(DialogAnswer().Click(kIdOk));
    prompts.QueueFileAnswer(Path("run.avi"));
    prompts.QueueMessageAnswer(kIdOk);
    Choose(OpenMenu(program->MosaicWindow(), false), kRecordVideoItem);
    EXPECT_EQ(std::vector<std::string>{std::string(kVideoNameMessage.english)}, Messages());
    EXPECT_EQ(level, A().iLevel);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("run.avi"))));
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

// The Canvas records its own field, generation after generation, from its worker; an MP4 of odd
// sides gets one more pixel.
TEST_F(PictureCommandsTest, CanvasRecordsItsFieldAsAVideo)
{
    Start();
    A().byArray[3][4] = 5;
    A().byArray[7][2] = 9;
    program->GetCanvas().Open();
    CanvasWindow* canvas = program->GetCanvas().Window();
    ASSERT_NE(nullptr, canvas);
    canvas->NewCanvas(QSize(101, 61), CanvasStart{CanvasStart::Kind::Tile, 2, 1});
    prompts.QueueDialogAnswer(DialogAnswer()
                                  .Type(record_dialog::kGenerations, "4")
                                  .Type(record_dialog::kScale, "4")
                                  .Click(kIdOk));
    prompts.QueueFileAnswer(Path("canvas.mp4"));
    canvas->RecordVideo();
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(QString::fromStdString(Path("canvas.mp4"))) && clock.elapsed() < 60000)
        QTest::qWait(20);

    const DecodedVideo video = DecodeVideo(Path("canvas.mp4"));
    ASSERT_EQ(5u, video.frames.size());
    CellField expected(101, 61);
    expected.SetRules(A());
    TileFieldFromArray(expected, A());
    for (const QImage& frame : video.frames) {
        EXPECT_EQ(QSize(404, 244), frame.size());
        EXPECT_LE(CentreDifference(frame, StateImage(expected, program->GetModel().settings.crStateColor), 4), 40)
            << "level " << expected.Level();
        expected.Step();
    }
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

TEST_F(PictureCommandsTest, CancelOrAKeyStopsTheRecordingAndLeavesNoFile)
{
    const struct {
        bool byCancel;
        const BilingualText& item;
        const char* file;
    } kStops[] = {{true, kRecordRunItem, "stopped.gif"}, {false, kRecordRunItem, "stopped.gif"},
                  {true, kRecordVideoItem, "stopped.webm"}};
    for (const auto& [byCancel, item, file] : kStops) {
        Start();
        A().iContinuousDelay = 25;
        QElapsedTimer clock;
        qint64 progressShownAfter = -1;
        QTimer stopper;
        QObject::connect(&stopper, &QTimer::timeout, [&] {
            if (!byCancel) {
                if (clock.elapsed() > 300)
                    QTest::keyClick(&program->Frame(), Qt::Key_Space);
                return;
            }
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible()) {
                    progressShownAfter = clock.elapsed();
                    // Through the window system, as a person's click comes.
                    const QPushButton* cancel = progress->findChild<QPushButton*>();
                    QTest::mouseClick(progress->windowHandle(), Qt::LeftButton, {},
                                      cancel->mapTo(progress, cancel->rect().center()));
                }
        });
        prompts.QueueDialogAnswer(DialogAnswer().Type(record_dialog::kGenerations, "400").Click(kIdOk));
        prompts.QueueFileAnswer(Path(file));
        clock.start();
        stopper.start(20);
        Choose(OpenMenu(program->MosaicWindow(), false), item);
        stopper.stop();
        EXPECT_LT(A().iLevel, 1 + 400) << "stopped";
        EXPECT_EQ(QStringList(), QDir(folder.path()).entryList(QDir::Files).filter("stopped")) << "nor its temporary file";
        if (byCancel) {
            EXPECT_GE(progressShownAfter, 900) << "the progress shows once the run has taken a second";
        }
    }
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

} // namespace
} // namespace vellicor::test
