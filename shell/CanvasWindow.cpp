#include "shell/CanvasWindow.h"

#include "engine/CellField.h"
#include "platform/Clipboard.h"
#include "platform/QtText.h"
#include "platform/UserPrompts.h"
#include "pictures/GifAnimation.h"
#include "pictures/PngFile.h"
#include "pictures/StateImage.h"
#include "pictures/VideoRecording.h"
#include "resources/CanvasTexts.h"
#include "resources/DialogBuilders.h"
#include "resources/PictureTexts.h"
#include "shell/PictureCommands.h"
#include "views/CanvasView.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QScreen>

#include <algorithm>
#include <array>
#include <chrono>

namespace vellicor {

namespace {

constexpr int kSpeeds[] = {1, 2, 4, 8, 16, 32, 64};
constexpr auto kPictureScales = [] {
    std::array<int, kMaxPictureScale> scales{};
    for (int i = 0; i < kMaxPictureScale; ++i)
        scales[static_cast<size_t>(i)] = i + 1;
    return scales;
}();
constexpr int kMaxShownSeed = 999999; // a fresh seed is short enough to note down
constexpr int kRateMilliseconds = 500;

// Pixels of a picture of the canvas at a scale, or of a recording's frames: 64 bits, since a
// large canvas at 8 x passes any 32-bit count.
int64_t PixelsAt(QSize cells, int scale, int64_t frames = 1)
{
    return int64_t{cells.width()} * scale * cells.height() * scale * frames;
}

Palette PaletteOf(const Settings& settings)
{
    Palette colors;
    std::copy(settings.crStateColor, settings.crStateColor + kStateCount, colors.begin());
    return colors;
}

} // namespace

CanvasWindow::CanvasWindow(const Model& model, UserPrompts& prompts, PictureCommands& files)
    : model_(model), prompts_(prompts), files_(files), colors_(PaletteOf(model.settings))
{
    setObjectName(QStringLiteral("Canvas"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    view_ = new CanvasView(this);
    view_->setFocusProxy(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("CanvasStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse); // the seed can be copied
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
    status_->setContentsMargins(6, 0, 6, 2);

    runner_ = std::make_unique<CanvasRunner>([this] {
        // On the worker: the window takes the picture on its own thread. The runner goes before
        // the window does, so the window is there for every call.
        QMetaObject::invokeMethod(this, [this] { OnFrame(); }, Qt::QueuedConnection);
    });
    // One frame per refresh of the screen: a run at 1 generation per frame can be watched.
    const double hertz = screen() != nullptr && screen()->refreshRate() > 1.0 ? screen()->refreshRate() : 60.0;
    runner_->SetFrameInterval(std::chrono::microseconds(static_cast<int64_t>(1e6 / hertz)));
    connect(&rateTimer_, &QTimer::timeout, this, [this] { MeasureRate(); });
    rateTimer_.start(kRateMilliseconds);
    rateClock_.start();
    Retranslate();
}

CanvasWindow::~CanvasWindow()
{
    runner_.reset(); // stops and joins the worker while the window is whole
}

QString CanvasWindow::Text(const BilingualText& text) const
{
    return QtText(text, model_.settings.iLanguage);
}

void CanvasWindow::ShowRefusal(const QString& text)
{
    const std::string utf8 = text.toStdString(); // already in the language of the moment
    prompts_.ShowMessage(SameText(utf8), model_.settings.iLanguage, MessageStyle::OkExclamation);
}

uint32_t CanvasWindow::FreshSeed() { return std::uniform_int_distribution<uint32_t>(1, kMaxShownSeed)(seeds_); }

QSize CanvasWindow::FittingSize() const
{
    const int zoom = view_->Zoom();
    return {std::clamp(view_->width() / zoom, 1, kMaxFieldSide), std::clamp(view_->height() / zoom, 1, kMaxFieldSide)};
}

void CanvasWindow::Begin()
{
    if (layout() != nullptr)
        layout()->activate();
    NewCanvas(FittingSize(), CanvasStart{CanvasStart::Kind::Tile, 2, FreshSeed()});
}

void CanvasWindow::NewCanvas(QSize cells, const CanvasStart& start)
{
    if (!FieldSizeAllowed(cells.width(), cells.height()))
        return;
    size_ = cells;
    start_ = start;
    level_ = 1;
    colors_ = PaletteOf(model_.settings);
    runner_->Restart(cells.width(), cells.height(), start, model_.automaton, colors_);
    ShowStatus();
}

void CanvasWindow::RunOrPause()
{
    if (runner_->Recording())
        return;
    runner_->SetRunning(!runner_->Running());
    ShowStatus();
}

void CanvasWindow::StepOnce()
{
    if (runner_->Recording())
        return;
    runner_->SetRunning(false);
    runner_->StepOnce();
}

void CanvasWindow::SetGenerationsPerFrame(int generations)
{
    runner_->SetGenerationsPerFrame(generations);
    ShowStatus();
}

void CanvasWindow::ToggleFullScreen()
{
    // Full screen shows the canvas alone.
    if (isFullScreen()) {
        showNormal();
        status_->show();
    } else {
        status_->hide();
        showFullScreen();
    }
}

void CanvasWindow::Follow()
{
    runner_->SetRules(model_.automaton);
    const Palette colors = PaletteOf(model_.settings);
    if (colors == colors_)
        return;
    colors_ = colors;
    runner_->SetColors(colors);
    // The picture shown takes the new colours at once, running or not.
    QImage picture = view_->Picture();
    if (!picture.isNull()) {
        picture.setColorTable(StateColorTable(colors.data()));
        view_->SetPicture(std::move(picture));
    }
}

void CanvasWindow::Retranslate()
{
    setWindowTitle(Text(kCanvasTitle));
    ShowStatus();
}

void CanvasWindow::OnFrame()
{
    CanvasFrame frame = runner_->TakeFrame();
    if (!frame.picture.isNull()) {
        level_ = frame.level;
        view_->SetPicture(std::move(frame.picture));
        // Painted now, each picture taken: left to a later update, the paints of a fast run fall
        // behind the pictures and only every other generation reaches the screen.
        view_->repaint();
        ShowStatus();
    }
    if (progress_)
        progress_->setValue(std::min(runner_->FramesRecorded(), progress_->maximum()));
    EndRecording();
}

void CanvasWindow::MeasureRate()
{
    const int64_t computed = runner_->GenerationsComputed();
    const double seconds = rateClock_.restart() / 1000.0;
    rate_ = seconds > 0.0 ? static_cast<double>(computed - rateComputed_) / seconds : 0.0;
    rateComputed_ = computed;
    ShowStatus();
}

QString CanvasWindow::StatusText() const
{
    QString start;
    switch (start_.kind) {
    case CanvasStart::Kind::Random: start = Text(kCanvasRandomStart).arg(start_.states).arg(start_.seed); break;
    case CanvasStart::Kind::Tile: start = Text(kCanvasTileStart); break;
    case CanvasStart::Kind::Centre: start = Text(kCanvasCentreStart); break;
    case CanvasStart::Kind::Blank: start = Text(kCanvasBlankStart); break;
    }
    const BilingualText& state = runner_->Recording() ? kCanvasRecording
                                 : runner_->Running() ? kCanvasRunning
                                                      : kCanvasPaused;
    return Text(kCanvasStatus)
        .arg(level_)
        .arg(size_.width())
        .arg(size_.height())
        .arg(std::lround(rate_))
        .arg(start)
        .arg(view_->Zoom())
        .arg(runner_->GenerationsPerFrame())
        .arg(Text(state));
}

void CanvasWindow::ShowStatus()
{
    if (runner_)
        status_->setText(StatusText());
}

void CanvasWindow::SetPictureScale(int scale) { pictureScale_ = std::clamp(scale, 1, kMaxPictureScale); }

void CanvasWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space: RunOrPause(); break;
    case Qt::Key_N: StepOnce(); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: view_->ZoomIn(); ShowStatus(); break;
    case Qt::Key_Minus: view_->ZoomOut(); ShowStatus(); break;
    case Qt::Key_F11: ToggleFullScreen(); break;
    case Qt::Key_Escape:
        if (isFullScreen())
            ToggleFullScreen();
        break;
    case Qt::Key_Menu: ShowMenu(view_->mapToGlobal(QPoint(view_->width() / 4, view_->height() / 4))); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CanvasWindow::contextMenuEvent(QContextMenuEvent* event)
{
    ShowMenu(event->reason() == QContextMenuEvent::Keyboard
                 ? view_->mapToGlobal(QPoint(view_->width() / 4, view_->height() / 4))
                 : event->globalPos());
}

QMenu* CanvasWindow::ShowMenu(QPoint globalPosition)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool recording = runner_->Recording();
    // Commands that open dialogs run once the menu has gone.
    const auto add = [this, menu](QMenu& into, const BilingualText& label, auto command) {
        QAction* item = into.addAction(Text(label));
        connect(item, &QAction::triggered, this, command, Qt::QueuedConnection);
        return item;
    };
    add(*menu, runner_->Running() ? kCanvasPauseItem : kCanvasRunItem, [this] { RunOrPause(); })
        ->setEnabled(!recording);
    add(*menu, kCanvasStepItem, [this] { StepOnce(); })->setEnabled(!recording);
    // A submenu of numbers, one of them checked; itemText makes a number's item.
    const auto choices = [this, menu](const BilingualText& label, std::span<const int> values, int now,
                                      const QString& itemText, auto choose) {
        QMenu* sub = menu->addMenu(Text(label));
        auto* group = new QActionGroup(sub);
        for (int value : values) {
            QAction* item = sub->addAction(itemText.arg(value), this, [choose, value] { choose(value); });
            item->setCheckable(true);
            item->setChecked(value == now);
            group->addAction(item);
        }
    };
    const QString number = QStringLiteral("%1");
    choices(kCanvasSpeedItem, kSpeeds, runner_->GenerationsPerFrame(), number,
            [this](int n) { SetGenerationsPerFrame(n); });
    choices(kCanvasZoomItem, kCanvasZoomSteps, view_->Zoom(), number, [this](int zoom) {
        view_->SetZoom(zoom);
        ShowStatus();
    });
    menu->addSeparator();
    add(*menu, kCanvasNewItem, [this] { AskNewCanvas(); })->setEnabled(!recording);
    add(*menu, kCanvasRestartItem, [this] { NewCanvas(size_, start_); })->setEnabled(!recording);
    menu->addSeparator();
    add(*menu, kSavePictureItem, [this] { SavePicture(); });
    choices(kPictureScaleItem, kPictureScales, pictureScale_, QStringLiteral("%1 x"),
            [this](int scale) { SetPictureScale(scale); });
    add(*menu, kRecordRunItem, [this] { RecordRun(); })->setEnabled(!recording);
    add(*menu, kRecordVideoItem, [this] { RecordVideo(); })->setEnabled(!recording);
    add(*menu, kCanvasCopyItem, [this] { CopyPicture(); });
    menu->addSeparator();
    QAction* full = add(*menu, kCanvasFullScreenItem, [this] { ToggleFullScreen(); });
    full->setCheckable(true);
    full->setChecked(isFullScreen());
    menu->popup(globalPosition);
    return menu;
}

void CanvasWindow::AskNewCanvas()
{
    using namespace canvas_dialog;
    const int32_t iLanguage = model_.settings.iLanguage;
    struct Preset {
        int id;
        QSize size;
    };
    const Preset presets[] = {{kFullHd, {1920, 1080}}, {kUltraHd, {3840, 2160}}, {kSquare, {1000, 1000}}};
    std::optional<std::pair<QSize, CanvasStart>> chosen;
    CallbackProcedure procCanvas;
    procCanvas.init = [&](DialogControls& dialog) {
        int sizeId = kOtherSize;
        for (const Preset& preset : presets)
            if (preset.size == size_)
                sizeId = preset.id;
        dialog.CheckRadioButton(kFitWindow, kOtherSize, sizeId);
        dialog.SetDlgItemInt(kWidth, size_.width());
        dialog.SetDlgItemInt(kHeight, size_.height());
        const int startIds[] = {kRandom, kTile, kCentre, kBlank};
        dialog.CheckRadioButton(kRandom, kBlank, startIds[static_cast<int>(start_.kind)]);
        dialog.SetDlgItemInt(kStates, start_.states);
        dialog.SetDlgItemInt(kSeed, static_cast<int32_t>(FreshSeed()));
        return true;
    };
    procCanvas.command = [&](DialogControls& dialog, int id, int) {
        if (id == kIdCancel) {
            dialog.EndDialog(0);
            return;
        }
        if (id != kIdOk)
            return;
        QSize size(dialog.GetDlgItemInt(kWidth), dialog.GetDlgItemInt(kHeight));
        if (dialog.IsDlgButtonChecked(kFitWindow) != 0)
            size = FittingSize();
        for (const Preset& preset : presets)
            if (dialog.IsDlgButtonChecked(preset.id) != 0)
                size = preset.size;
        if (!FieldSizeAllowed(size.width(), size.height())) {
            dialog.MessageBox(PickText(kCanvasSizeMessage, iLanguage), MessageStyle::OkExclamation);
            return;
        }
        CanvasStart start;
        start.kind = dialog.IsDlgButtonChecked(kRandom) != 0   ? CanvasStart::Kind::Random
                     : dialog.IsDlgButtonChecked(kCentre) != 0 ? CanvasStart::Kind::Centre
                     : dialog.IsDlgButtonChecked(kBlank) != 0  ? CanvasStart::Kind::Blank
                                                               : CanvasStart::Kind::Tile;
        start.states = dialog.GetDlgItemInt(kStates);
        start.seed = static_cast<uint32_t>(dialog.GetDlgItemInt(kSeed));
        if (start.kind == CanvasStart::Kind::Random && (start.states < 2 || start.states > kStateCount)) {
            dialog.MessageBox(PickText(kCanvasStatesMessage, iLanguage), MessageStyle::OkExclamation);
            return;
        }
        start.states = std::clamp(start.states, 2, kStateCount);
        chosen = {size, start};
        dialog.EndDialog(1);
    };
    prompts_.RunDialog(DIALOG_CANVAS, iLanguage, procCanvas);
    if (chosen)
        NewCanvas(chosen->first, chosen->second);
}

void CanvasWindow::SavePicture()
{
    const QImage& picture = view_->Picture();
    if (picture.isNull())
        return;
    const int64_t pixels = PixelsAt(picture.size(), pictureScale_);
    if (pixels > kMaxCanvasPicturePixels) {
        ShowRefusal(Text(kCanvasPictureTooLargeMessage).arg(pixels / 1000000).arg(kMaxCanvasPicturePixels / 1000000));
        return;
    }
    const std::optional<std::string> path = files_.ChooseFile(kPngFilters, "png", "canvas");
    if (path && !SavePng(ScaledPicture(picture, pictureScale_), *path))
        files_.ShowWriteError();
}

void CanvasWindow::CopyPicture()
{
    // Indexed, as it is: a large canvas in 32 bits a pixel would take four times the memory.
    if (!view_->Picture().isNull())
        SetClipboardImage(view_->Picture());
}

void CanvasWindow::RecordRun()
{
    if (runner_->Recording() || !AskRecording(prompts_, model_.settings.iLanguage, record_))
        return;
    const int64_t frames = int64_t{record_.generations} + 1;
    const int64_t pixels = PixelsAt(size_, record_.scale, frames);
    if (pixels > kMaxCanvasPicturePixels) {
        const QString text = Text(kCanvasRecordingTooLargeMessage)
                                 .arg(frames)
                                 .arg(int64_t{size_.width()} * record_.scale)
                                 .arg(int64_t{size_.height()} * record_.scale)
                                 .arg(pixels / 1000000);
        ShowRefusal(text);
        return;
    }
    const std::optional<std::string> path = files_.ChooseFile(kGifFilters, "gif", "canvas");
    if (path)
        StartRecording(std::make_unique<GifRecording>(*path, colors_.data(), record_.delay), DIALOG_RECORD);
}

// A video is written to its file as it is encoded: no limit on its length, only on its size.
void CanvasWindow::RecordVideo()
{
    if (runner_->Recording() || !AskVideoRecording(prompts_, model_.settings.iLanguage, record_))
        return;
    const std::optional<std::string> path = files_.ChooseFile(kVideoFilters, "mp4", "canvas");
    if (!path)
        return;
    const std::optional<VideoFormat> format = VideoFormatOfName(*path);
    if (!format || !VideoSizeAllowed(int64_t{size_.width()} * record_.scale, int64_t{size_.height()} * record_.scale)) {
        ShowRefusal(Text(format ? kVideoTooLargeMessage : kVideoNameMessage));
        return;
    }
    StartRecording(std::make_unique<VideoRecording>(*path, *format, record_.framesPerSecond), DIALOG_RECORD_VIDEO);
}

void CanvasWindow::StartRecording(std::unique_ptr<FrameRecorder> recorder, const DialogTemplate& dialog)
{
    const int64_t frames = int64_t{record_.generations} + 1;
    recordCancelled_ = false;
    runner_->StartRecording(std::move(recorder), record_.generations, record_.scale);
    progress_ = new QProgressDialog(Text(kRecordingProgress).arg(0).arg(record_.generations),
                                    Text(dialog_builders::kCancel), 0, static_cast<int>(frames), this);
    progress_->setWindowTitle(Text(dialog.title));
    // Not modal: the recording runs on the worker, and a modal progress window would serve events
    // inside each setValue, taking the next picture in the middle of taking this one.
    progress_->setWindowModality(Qt::NonModal);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(500);
    connect(progress_, &QProgressDialog::canceled, this, [this] {
        recordCancelled_ = true;
        runner_->CancelRecording();
    });
    ShowStatus();
}

void CanvasWindow::EndRecording()
{
    if (progress_ && runner_->Recording())
        progress_->setLabelText(
            Text(kRecordingProgress).arg(std::max(runner_->FramesRecorded() - 1, 0)).arg(record_.generations));
    bool complete = false;
    std::unique_ptr<FrameRecorder> recorder = runner_->TakeFinishedRecording(complete);
    if (!recorder)
        return;
    if (progress_) {
        progress_->disconnect(this); // closing it would count as its Cancel
        progress_->hide();
        progress_->deleteLater();
    }
    ShowStatus();
    if (recordCancelled_)
        return;
    if (!complete || !recorder->Save())
        files_.ShowWriteError();
}

} // namespace vellicor
