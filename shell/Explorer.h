#pragma once
// The rule explorer as the program offers it: Ctrl+E and the context menus of the Info window and
// the icon bar open its window (or bring it forward), a child window of the main window like the
// views. Adopting a candidate is the program's business: the handler given here does it.

#include "platform/MainFrame.h"
#include "shell/ExplorerWindow.h"

#include <QPointer>

class QMenu;

namespace vellicor {

class Explorer {
public:
    Explorer(const Model& model, MainFrame& frame, ExplorerWindow::AdoptHandler adopt);

    // Opens the window with a New gallery, or brings the open one forward as it is.
    void Open();
    // The context menus' item, in the language of the moment.
    void AppendAction(QMenu& menu);
    void Retranslate();

    ChildFrame* Frame() const { return frame_; }
    ExplorerWindow* Window() const { return window_; }

private:
    const Model& model_;
    MainFrame& mainFrame_;
    ExplorerWindow::AdoptHandler adopt_;
    QPointer<ChildFrame> frame_;
    QPointer<ExplorerWindow> window_;
};

} // namespace vellicor
