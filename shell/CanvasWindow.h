#pragma once
// The Canvas: the program's automaton on a field of any size, in a window of its own (not a child
// of the main window, so it can fill a screen). It opens paused, with the array tiled across a
// canvas that fits the window. The generations are computed by a CanvasRunner on its worker; the
// window shows each picture it puts out, and follows the program's rules and colours from the
// next generation (Follow).
//
// Keys: Space runs and pauses, N computes one generation, + and - zoom, F11 toggles full screen
// and Esc leaves it. Everything else is in the context menu: a new canvas (size and start), the
// generations per frame, the zoom, the picture as PNG, a recording as animated GIF, Copy.

#include "pictures/FrameRecorder.h"
#include "resources/BilingualText.h"
#include "shell/CanvasRunner.h"
#include "shell/RecordDialog.h"
#include "shell/settings/Settings.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <random>
#include <span>
#include <string>

class QLabel;
class QMenu;
class QProgressDialog;
struct FileFilter;

namespace vellicor {

class CanvasView;
struct DialogTemplate;
class PictureCommands;
class UserPrompts;

class CanvasWindow : public QWidget {
public:
    CanvasWindow(const Model& model, UserPrompts& prompts, PictureCommands& files);
    ~CanvasWindow() override;

    // The first canvas: the array tiled across the view as it is now, paused.
    void Begin();
    // A new field of cells.width() x cells.height() (within FieldSizeAllowed), paused at level 1.
    void NewCanvas(QSize cells, const CanvasStart& start);
    // The size that fills the view at the zoom of the moment.
    QSize FittingSize() const;

    void RunOrPause();
    void StepOnce();
    void SetGenerationsPerFrame(int generations);
    void ToggleFullScreen();

    // The program's rules and colours, from the next generation.
    void Follow();
    void Retranslate();

    // What the context menu's items do.
    void AskNewCanvas();
    void SavePicture();
    void CopyPicture();
    void RecordRun();   // an animated GIF
    void RecordVideo(); // MP4 or WebM, by the name of the file
    QMenu* ShowMenu(QPoint globalPosition);

    CanvasView& View() const { return *view_; }
    CanvasRunner& Runner() const { return *runner_; }
    QSize CanvasSize() const { return size_; }
    const CanvasStart& Start() const { return start_; }
    int64_t Level() const { return level_; }
    int PictureScale() const { return pictureScale_; }
    void SetPictureScale(int scale);
    QString StatusText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnFrame();
    // The run of either recording, once its file is chosen; the progress window has the dialog's title.
    void StartRecording(std::unique_ptr<FrameRecorder> recorder, const DialogTemplate& dialog);
    void EndRecording();
    void MeasureRate();
    void ShowStatus();
    QString Text(const BilingualText& text) const;
    void ShowRefusal(const QString& text);
    uint32_t FreshSeed();

    const Model& model_;
    UserPrompts& prompts_;
    PictureCommands& files_;
    CanvasView* view_ = nullptr;
    QLabel* status_ = nullptr;
    QSize size_;
    CanvasStart start_;
    Palette colors_{};
    int64_t level_ = 1;
    int pictureScale_ = 1;
    RecordChoice record_;
    bool recordCancelled_ = false;
    QPointer<QProgressDialog> progress_;
    QTimer rateTimer_;
    QElapsedTimer rateClock_;
    int64_t rateComputed_ = 0;
    double rate_ = 0.0; // generations per second
    std::mt19937 seeds_{std::random_device{}()};
    std::unique_ptr<CanvasRunner> runner_; // last: its worker posts to everything above
};

} // namespace vellicor
