#include "shell/Canvas.h"

#include "platform/QtText.h"
#include "resources/CanvasTexts.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace vellicor {

namespace {

constexpr QSize kWindowSize(1024, 680);

} // namespace

Canvas::Canvas(const Model& model, UserPrompts& prompts, PictureCommands& files)
    : model_(model), prompts_(prompts), files_(files)
{
}

Canvas::~Canvas() { Close(); }

void Canvas::Open()
{
    if (window_) {
        // Only a minimized one is shown again: showNormal would end full screen.
        if (window_->isMinimized())
            window_->showNormal();
        window_->raise();
        window_->activateWindow();
        return;
    }
    window_ = new CanvasWindow(model_, prompts_, files_);
    // As large as the usual window, within the screen's free area.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() * 9 / 10 : kWindowSize;
    window_->resize(kWindowSize.boundedTo(room));
    window_->show();
    window_->activateWindow();
    window_->Begin();
}

void Canvas::Close()
{
    // Deleted at once, not later: the worker is joined before this returns.
    delete window_.data();
}

void Canvas::AppendAction(QMenu& menu)
{
    menu.addAction(QtText(kCanvasMenuItem, model_.settings.iLanguage), [this] { Open(); });
}

void Canvas::Follow()
{
    if (window_)
        window_->Follow();
}

void Canvas::Retranslate()
{
    if (window_)
        window_->Retranslate();
}

} // namespace vellicor
