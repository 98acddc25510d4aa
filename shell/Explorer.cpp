#include "shell/Explorer.h"

#include "resources/ExplorerTexts.h"

#include <QMdiArea>
#include <QMenu>

namespace vellicor {

namespace {

constexpr int kWindowWidth = 560;
constexpr int kWindowHeight = 640;
constexpr int kIconBarHeight = 32;

QString Text(const BilingualText& text, int32_t iLanguage)
{
    const std::string_view picked = PickText(text, iLanguage);
    return QString::fromUtf8(picked.data(), static_cast<qsizetype>(picked.size()));
}

} // namespace

Explorer::Explorer(const Model& model, MainFrame& frame, ExplorerWindow::AdoptHandler adopt)
    : model_(model), mainFrame_(frame), adopt_(std::move(adopt))
{
}

void Explorer::Open()
{
    if (frame_) {
        frame_->showNormal();
        mainFrame_.Client().setActiveSubWindow(frame_);
        return;
    }
    // At the right of the client, below the icon bar, where the default layout leaves the most.
    const QSize client = mainFrame_.ClientSize();
    ChildWindowOptions options;
    options.title = std::string(PickText(kExplorerTitle, model_.settings.iLanguage));
    const int height = std::min(kWindowHeight, std::max(client.height() - kIconBarHeight, 200));
    options.rect = {std::max(client.width() - kWindowWidth, 0), kIconBarHeight, kWindowWidth, height};
    window_ = new ExplorerWindow(model_, adopt_);
    frame_ = mainFrame_.CreateChildWindow(options, window_);
    // Closing cancels at once; the window itself goes a moment later.
    frame_->SetDestroyedHandler([window = window_] {
        if (window)
            window->Stop();
    });
    mainFrame_.Client().setActiveSubWindow(frame_);
    window_->Start(CandidateKind::New);
}

void Explorer::AppendAction(QMenu& menu)
{
    menu.addAction(Text(kExplorerMenuItem, model_.settings.iLanguage), [this] { Open(); });
}

void Explorer::Retranslate()
{
    if (frame_)
        frame_->setWindowTitle(Text(kExplorerTitle, model_.settings.iLanguage));
    if (window_)
        window_->Retranslate();
}

} // namespace vellicor
