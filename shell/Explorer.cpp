#include "shell/Explorer.h"

#include "platform/QtText.h"
#include "resources/ExplorerTexts.h"
#include "shell/SideWindow.h"

#include <QMenu>

namespace vellicor {

Explorer::Explorer(const Model& model, MainFrame& frame, ExplorerWindow::AdoptHandler adopt)
    : model_(model), mainFrame_(frame), adopt_(std::move(adopt))
{
}

void Explorer::Open()
{
    if (BringForward(mainFrame_, frame_))
        return;
    window_ = new ExplorerWindow(model_, adopt_);
    frame_ = CreateSideWindow(mainFrame_, kExplorerTitle, model_.settings.iLanguage, window_);
    // Closing cancels at once; the window itself goes a moment later.
    frame_->SetDestroyedHandler([window = window_] {
        if (window)
            window->Stop();
    });
    window_->Start(CandidateKind::New);
}

void Explorer::AppendAction(QMenu& menu)
{
    menu.addAction(QtText(kExplorerMenuItem, model_.settings.iLanguage), [this] { Open(); });
}

void Explorer::Retranslate()
{
    if (frame_)
        frame_->setWindowTitle(QtText(kExplorerTitle, model_.settings.iLanguage));
    if (window_)
        window_->Retranslate();
}

} // namespace vellicor
