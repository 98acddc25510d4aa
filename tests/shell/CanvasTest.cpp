// The Canvas as a person uses it: Ctrl+K, the keys, the program's rules changed and taken back
// while it is open, its pictures out, and its worker gone when it closes.

#include "tests/shell/ProgramFixture.h"

#include "content/FieldStarts.h"
#include "pictures/StateImage.h"
#include "platform/QtText.h"
#include "resources/CanvasTexts.h"
#include "resources/PictureTexts.h"
#include "shell/Canvas.h"
#include "shell/PictureCommands.h"
#include "shell/CommandIds.h"
#include "tests/ThreadCount.h"
#include "views/CanvasView.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QWheelEvent>
#include <QMenu>

#include <filesystem>
#include <functional>

namespace vellicor::test {
namespace {

class CanvasTest : public ProgramTest {
protected:
    CanvasWindow* Open()
    {
        Key(Qt::Key_K);
        CanvasWindow* window = program->GetCanvas().Window();
        if (window != nullptr)
            WaitFor([window] { return !window->View().Picture().isNull(); });
        return window;
    }
    static bool WaitFor(const std::function<bool()>& done)
    {
        for (int i = 0; i < 3000 && !done(); ++i)
            QTest::qWait(5);
        return done();
    }
    // A new canvas, its first picture shown.
    static void Begin(CanvasWindow& window, QSize size, const CanvasStart& start)
    {
        window.NewCanvas(size, start);
        ASSERT_TRUE(WaitFor([&] { return window.View().Picture().size() == size && window.Level() == 1; }));
    }
    static void Press(CanvasWindow& window, Qt::Key key) { QTest::keyClick(&window, key); }
    // The menu's item of that English text, or null.
    static QAction* Item(const QMenu& menu, const BilingualText& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == QtText(text, 1))
                return action;
        return nullptr;
    }

    QImage Picture(const CellField& field) { return StateImage(field, program->GetModel().settings.crStateColor); }
    static QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
    // What the view shows, as logical pixels.
    static QImage Shown(CanvasWindow& window) { return Rgb(window.View().grab().toImage()); }
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
};

TEST_F(CanvasTest, OpensPausedWithTheArrayTiledAndShowsAndSavesTheFieldPixelForPixel)
{
    Start();
    Command(command::kRandom);
    CanvasWindow* window = Open();
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(window->Runner().Running());
    EXPECT_EQ(window->FittingSize(), window->CanvasSize());
    CellField field(window->CanvasSize().width(), window->CanvasSize().height());
    TileFieldFromArray(field, A());
    const QImage expected = Picture(field);
    ASSERT_EQ(expected, window->View().Picture());

    for (int zoom : {1, 3}) {
        window->View().SetZoom(zoom);
        const QImage shown = Shown(*window);
        EXPECT_EQ(Rgb(ScaledPicture(expected, zoom)).copy(QRect(window->View().Scroll(), shown.size())), shown)
            << "zoom " << zoom;
    }
    // The whole canvas, not only what the window shows, at the scale chosen in the context menu.
    QMenu* menu = window->ShowMenu(QPoint(10, 10));
    QAction* scales = Item(*menu, kPictureScaleItem);
    ASSERT_NE(nullptr, scales);
    scales->menu()->actions().at(2)->trigger();
    menu->close();
    ASSERT_EQ(3, window->PictureScale());
    prompts.QueueFileAnswer(Path("canvas.png"));
    window->SavePicture();
    EXPECT_EQ(Rgb(ScaledPicture(expected, 3)), Rgb(QImage(QString::fromStdString(Path("canvas.png")))));
    window->CopyPicture();
    EXPECT_EQ(Rgb(expected), Rgb(QGuiApplication::clipboard()->image()));
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

TEST_F(CanvasTest, KeysRunPauseStepAndZoomAndItFollowsTheRulesAndTheirUndo)
{
    Start();
    CanvasWindow* window = Open();
    ASSERT_NE(nullptr, window);
    const CanvasStart start{CanvasStart::Kind::Random, 5, 4242};
    Begin(*window, {70, 50}, start);
    CellField field(70, 50);
    FillFieldRandom(field, 5, 4242);
    field.SetRules(A());
    ASSERT_EQ(Picture(field), window->View().Picture());

    const auto step = [&] {
        const int64_t level = window->Level();
        Press(*window, Qt::Key_N);
        ASSERT_TRUE(WaitFor([&] { return window->Level() == level + 1; }));
        field.Step();
        EXPECT_EQ(Picture(field), window->View().Picture()) << "level " << window->Level();
    };
    step();
    // Another preset, then the undo of it: each holds from the next generation.
    Command(command::kFirstPreset + 3);
    field.SetRules(A());
    step();
    program->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->Frame()));
    Key(Qt::Key_Z);
    field.SetRules(A());
    step();

    Press(*window, Qt::Key_Space);
    EXPECT_TRUE(window->Runner().Running());
    ASSERT_TRUE(WaitFor([&] { return window->Level() >= 10; }));
    Press(*window, Qt::Key_Space);
    EXPECT_FALSE(window->Runner().Running());
    QTest::qWait(100); // a frame under way when the pause came is still shown
    const int64_t paused = window->Level();
    QTest::qWait(100);
    EXPECT_EQ(paused, window->Level());
    while (field.Level() < paused)
        field.Step();
    EXPECT_EQ(Picture(field), window->View().Picture());

    Press(*window, Qt::Key_Plus);
    EXPECT_EQ(2, window->View().Zoom());
    Press(*window, Qt::Key_Minus);
    EXPECT_EQ(1, window->View().Zoom());
    // The wheel zooms around the cell under the pointer, here on a canvas larger than the view.
    Begin(*window, window->FittingSize() * 2, start);
    CanvasView& view = window->View();
    const QPoint pointer(view.width() / 3, view.height() / 4);
    const QPoint cell = (pointer - view.Origin()) / view.Zoom();
    QWheelEvent wheel(pointer, view.mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_EQ(2, view.Zoom());
    EXPECT_EQ(cell, (pointer - view.Origin()) / view.Zoom());
    Press(*window, Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    Press(*window, Qt::Key_Escape);
    EXPECT_FALSE(window->isFullScreen());
}

TEST_F(CanvasTest, RecordsEveryGenerationAndRefusesARecordingPastAGigabyteOfPixels)
{
    Start();
    CanvasWindow* window = Open();
    ASSERT_NE(nullptr, window);
    Begin(*window, {40, 30}, {CanvasStart::Kind::Random, 3, 9});
    prompts.QueueDialogAnswer(DialogAnswer()
                                  .Type(record_dialog::kGenerations, "3")
                                  .Type(record_dialog::kScale, "2")
                                  .Click(kIdOk));
    prompts.QueueFileAnswer(Path("run.gif"));
    window->RecordRun();
    ASSERT_TRUE(WaitFor([&] { return !window->Runner().Recording() && std::filesystem::exists(Path("run.gif")); }))
        << window->Runner().Recording() << " " << window->Runner().FramesRecorded() << " " << (Messages().empty() ? "" : Messages()[0]);
    QImageReader gif(QString::fromStdString(Path("run.gif")));
    CellField field(40, 30);
    FillFieldRandom(field, 3, 9);
    field.SetRules(A());
    ASSERT_EQ(4, gif.imageCount());
    for (int k = 0; k < 4; ++k, field.Step())
        EXPECT_EQ(Rgb(ScaledPicture(Picture(field), 2)), Rgb(gif.read())) << "frame " << k;
    EXPECT_EQ(4, window->Level());

    // 3840 x 2160 x 201 frames: 1.67 billion pixels.
    Begin(*window, {3840, 2160}, {CanvasStart::Kind::Blank, 2, 1});
    prompts.QueueDialogAnswer(DialogAnswer().Type(record_dialog::kGenerations, "200").Type(record_dialog::kScale, "1").Click(kIdOk));
    prompts.QueueMessageAnswer(kIdOk);
    window->RecordRun();
    ASSERT_EQ(1u, Messages().size());
    EXPECT_NE(std::string::npos, Messages()[0].find("201 frames of 3840 x 2160 pixels")) << Messages()[0];
    EXPECT_FALSE(window->Runner().Recording());
    EXPECT_EQ(0u, prompts.PendingAnswers());
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

TEST_F(CanvasTest, ClosingDuringARunOf3840By2160LeavesNoThread)
{
    Start();
    const int threads = ThreadsOfThisProcess();
    // Opened from the Bitmap window's menu this time.
    QMenu* menu = program->Pictures().ShowMenu(ViewKind::Bitmap, QPoint(100, 100));
    ASSERT_NE(nullptr, menu);
    QAction* item = Item(*menu, kCanvasMenuItem);
    ASSERT_NE(nullptr, item);
    item->trigger();
    menu->close();
    CanvasWindow* window = program->GetCanvas().Window();
    ASSERT_NE(nullptr, window);
    Begin(*window, {3840, 2160}, {CanvasStart::Kind::Random, 16, 5});
    Press(*window, Qt::Key_Space);
    ASSERT_TRUE(WaitFor([&] { return window->Level() >= 3; }));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(nullptr, program->GetCanvas().Window());
    EXPECT_EQ(threads, ThreadsOfThisProcess());
}

} // namespace
} // namespace vellicor::test
