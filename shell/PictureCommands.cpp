#include "shell/PictureCommands.h"

#include "content/AtomicFile.h"
#include "engine/Step.h"
#include "platform/MainFrame.h"
#include "platform/QtText.h"
#include "platform/UserPrompts.h"
#include "pictures/GifAnimation.h"
#include "pictures/PngFile.h"
#include "pictures/StateImage.h"
#include "pictures/VideoRecording.h"
#include "resources/DialogBuilders.h"
#include "resources/PictureTexts.h"
#include "shell/ProcessingCommands.h"
#include "shell/Program.h"
#include "shell/RunGuard.h"
#include "views/ArrayImage.h"
#include "views/InfoView.h"
#include "views/PictureView.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QProgressDialog>

#include <filesystem>
#include <memory>

namespace vellicor {

namespace {

constexpr ViewKind kViewKinds[] = {ViewKind::Bitmap, ViewKind::Zoom, ViewKind::Mosaic,
                                   ViewKind::MultiBitmap, ViewKind::Info, ViewKind::Array};

bool Records(ViewKind kind) { return kind == ViewKind::Bitmap || kind == ViewKind::Zoom || kind == ViewKind::Mosaic; }

std::string_view FileName(ViewKind kind)
{
    switch (kind) {
    case ViewKind::Bitmap: return "bitmap";
    case ViewKind::Zoom: return "zoom";
    case ViewKind::Mosaic: return "mosaic";
    case ViewKind::MultiBitmap: return "multi-bitmap";
    case ViewKind::Info: return "informations";
    case ViewKind::Array: return "array";
    }
    return "picture";
}

} // namespace

PictureCommands::PictureCommands(Program& program, Model& model, UserPrompts& prompts, MainFrame& frame,
                                 ProcessingCommands& processing)
    : program_(program), model_(model), prompts_(prompts), frame_(frame), processing_(processing)
{
    QApplication::instance()->installEventFilter(this);
}

ChildFrame* PictureCommands::Window(ViewKind kind) const
{
    switch (kind) {
    case ViewKind::Bitmap: return program_.BitmapWindow();
    case ViewKind::Zoom: return program_.ZoomWindow();
    case ViewKind::Mosaic: return program_.MosaicWindow();
    case ViewKind::MultiBitmap: return program_.MultiBitmapWindow();
    case ViewKind::Info: return program_.InfoWindow();
    case ViewKind::Array: return program_.ArrayWindowFrame();
    }
    return nullptr;
}

std::optional<ViewKind> PictureCommands::ViewOf(QObject* watched, bool frameToo) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr)
        return std::nullopt;
    for (ViewKind kind : kViewKinds) {
        ChildFrame* window = Window(kind);
        if (window == nullptr || window->View() == nullptr)
            continue;
        if (widget == window->View() || (frameToo && (widget == window || window->isAncestorOf(widget))))
            return kind;
    }
    return std::nullopt;
}

bool PictureCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        // The right button in the Array window is the state cycle; only the keyboard opens it there.
        const auto* request = static_cast<QContextMenuEvent*>(event);
        const bool byKeyboard = request->reason() == QContextMenuEvent::Keyboard;
        const std::optional<ViewKind> kind = ViewOf(watched, byKeyboard);
        if (!kind || (*kind == ViewKind::Array && !byKeyboard))
            return false;
        ShowMenu(*kind, byKeyboard ? QPoint() : request->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = (key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier) ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        const std::optional<ViewKind> kind = menuKey ? ViewOf(watched, true) : std::nullopt;
        if (!kind)
            return false;
        ShowMenu(*kind, QPoint());
        return true;
    }
    return false;
}

QMenu* PictureCommands::ShowMenu(ViewKind kind, const QPoint& globalPosition)
{
    ChildFrame* window = Window(kind);
    if (window == nullptr || window->View() == nullptr)
        return nullptr;
    const int32_t iLanguage = model_.settings.iLanguage;
    auto* menu = new QMenu(window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The commands run once the menu has gone: a recording serves events for a long time, and the
    // menu, deleted on closing, must not be inside its own event handler then.
    const auto addCommand = [this, menu, iLanguage](const BilingualText& label, auto command) {
        connect(menu->addAction(QtText(label, iLanguage)), &QAction::triggered, this, command, Qt::QueuedConnection);
    };
    addCommand(kind == ViewKind::Info ? kSaveTextItem : kSavePictureItem, [this, kind] { SavePicture(kind); });
    if (kind == ViewKind::Bitmap) {
        QMenu* scales = menu->addMenu(QtText(kPictureScaleItem, iLanguage));
        auto* group = new QActionGroup(scales);
        for (int scale = 1; scale <= kMaxPictureScale; ++scale) {
            QAction* item = scales->addAction(QStringLiteral("%1 x").arg(scale), this,
                                              [this, scale] { records_[ScaleSlot(ViewKind::Bitmap)].scale = scale; });
            item->setCheckable(true);
            item->setChecked(scale == Scale(ViewKind::Bitmap));
            group->addAction(item);
        }
    }
    if (Records(kind)) {
        // A recording is a run of the automaton: one undo step, as Continuous until is.
        addCommand(kRecordRunItem, [this, kind] { program_.RunAsOneStep([this, kind] { RecordRun(kind); }); });
        addCommand(kRecordVideoItem, [this, kind] { program_.RunAsOneStep([this, kind] { RecordVideo(kind); }); });
    }
    bool separated = false;
    for (const auto& [itemsKind, fill] : moreItems_) {
        if (itemsKind != kind)
            continue;
        if (!std::exchange(separated, true))
            menu->addSeparator();
        fill(*menu);
    }
    // From the keyboard the menu opens over the view, where a mouse menu would open.
    const QWidget* view = window->View();
    menu->popup(globalPosition.isNull() ? view->mapToGlobal(QPoint(view->width() / 4, view->height() / 4))
                                        : globalPosition);
    return menu;
}

QImage PictureCommands::Frame(ViewKind kind, int scale) const
{
    if (kind == ViewKind::Bitmap)
        return ScaledPicture(RenderArrayImage(model_.automaton, model_.settings.crStateColor), scale);
    const ChildFrame* window = Window(kind);
    auto* view = window != nullptr ? dynamic_cast<PictureView*>(window->View()) : nullptr;
    return view != nullptr ? ScaledPicture(view->Picture(), scale) : QImage();
}

QImage PictureCommands::Picture(ViewKind kind) const
{
    return Frame(kind, kind == ViewKind::Bitmap ? Scale(kind) : 1);
}

void PictureCommands::AddMenuItems(std::initializer_list<ViewKind> kinds, const MenuFiller& fill)
{
    for (ViewKind kind : kinds)
        moreItems_.emplace_back(kind, fill);
}

std::optional<std::string> PictureCommands::ChooseFile(std::span<const FileFilter> filters,
                                                       std::string_view extension, std::string_view stem)
{
    namespace fs = std::filesystem;
    std::string name(stem);
    name += '.';
    name += extension;
    std::string proposed = lastFolder_.empty() ? name : (fs::path(lastFolder_) / name).string();
    std::optional<std::string> path =
        prompts_.ChooseFile({FileDialogRequest::Kind::Save, filters, extension, std::move(proposed)});
    if (path)
        lastFolder_ = fs::path(*path).parent_path().string();
    return path;
}

void PictureCommands::ShowWriteError()
{
    prompts_.ShowMessage(kPictureWriteErrorMessage, model_.settings.iLanguage, MessageStyle::OkExclamation);
}

void PictureCommands::SavePicture(ViewKind kind)
{
    if (kind == ViewKind::Info) {
        const std::optional<std::string> path = ChooseFile(kTextFilters, "txt", FileName(kind));
        if (path && !WriteFileAtomically(*path, InfoView::InfoText(model_.automaton) + "\n"))
            ShowWriteError();
        return;
    }
    const std::optional<std::string> path = ChooseFile(kPngFilters, "png", FileName(kind));
    if (path && !SavePng(Picture(kind), *path))
        ShowWriteError();
}

void PictureCommands::RecordRun(ViewKind kind)
{
    if (!Records(kind) || Window(kind) == nullptr)
        return;
    RecordChoice& choice = records_[ScaleSlot(kind)];
    if (!AskRecording(prompts_, model_.settings.iLanguage, choice))
        return;
    const std::optional<std::string> path = ChooseFile(kGifFilters, "gif", FileName(kind));
    if (!path)
        return;
    GifRecording recorder(*path, model_.settings.crStateColor, choice.delay);
    Record(kind, recorder, choice, DIALOG_RECORD);
}

void PictureCommands::RecordVideo(ViewKind kind)
{
    if (!Records(kind) || Window(kind) == nullptr)
        return;
    RecordChoice& choice = records_[ScaleSlot(kind)];
    const int32_t iLanguage = model_.settings.iLanguage;
    if (!AskVideoRecording(prompts_, iLanguage, choice))
        return;
    const std::optional<std::string> path = ChooseFile(kVideoFilters, "mp4", FileName(kind));
    if (!path)
        return;
    const std::optional<VideoFormat> format = VideoFormatOfName(*path);
    const QSize size = Frame(kind, choice.scale).size();
    if (!format || !VideoSizeAllowed(size.width(), size.height())) {
        prompts_.ShowMessage(format ? kVideoTooLargeMessage : kVideoNameMessage, iLanguage, MessageStyle::OkExclamation);
        return;
    }
    VideoRecording recorder(*path, *format, choice.framesPerSecond);
    Record(kind, recorder, choice, DIALOG_RECORD_VIDEO);
}

void PictureCommands::Record(ViewKind kind, FrameRecorder& recorder, const RecordChoice& choice,
                             const DialogTemplate& dialog)
{
    Automaton& a = model_.automaton;
    const int32_t iLanguage = model_.settings.iLanguage;
    const int scale = choice.scale;
    const int generations = choice.generations;
    bool framed = recorder.AddFrame(Frame(kind, scale)); // the generation shown as the run starts

    // As Continuous until runs: each generation shown before the next, a key stops the run, and a
    // step refused at the iteration limit asks whether to raise it. Stopped by a key or by Cancel,
    // the recording is dropped; ended at the limit, what it holds is saved. Once the run has taken
    // a second, a progress window shows how far it is, with that Cancel.
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    const auto showProgress = [&](RunGuard& guard, int done) {
        if (!progress && clock.elapsed() >= 1000) {
            progress = std::make_unique<QProgressDialog>(QString(), QtText(dialog_builders::kCancel, iLanguage), 0,
                                                         generations, &frame_);
            progress->setWindowTitle(QtText(dialog.title, iLanguage));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            progress->show();
        }
        if (progress) {
            guard.LetThrough(progress.get());
            progress->setLabelText(QtText(kRecordingProgress, iLanguage).arg(done).arg(generations));
            progress->setValue(done);
        }
    };
    a.bIncrementalPaint = 1;
    int done = 0;
    bool stopped = false;
    while (framed && !stopped && done < generations) {
        {
            RunGuard guard;
            while (framed && done < generations) {
                if (ComputeNextGeneration(a) == 0)
                    break;
                guard.Pause(a.iContinuousDelay);
                frame_.UpdateClient();
                framed = recorder.AddFrame(Frame(kind, scale));
                showProgress(guard, ++done);
                if (!guard.KeepGoing() || (progress && progress->wasCanceled())) {
                    stopped = true;
                    break;
                }
            }
        }
        if (framed && !stopped && done < generations && !processing_.AskToRaiseLimit(false))
            break;
    }
    progress.reset();
    frame_.InvalidateClient();
    if (stopped)
        return;
    if (!framed || !recorder.Save())
        ShowWriteError();
}

} // namespace vellicor
