#pragma once
// The collection as the program offers it: Ctrl+Shift+L and the context menus of the Info window
// and the icon bar open its window (or bring it forward), a child window of the main window like
// the views. Opening a file is the program's business: the handler given here does it.
//
// The collection installed with the program is found relative to the executable, so that a build
// finds its own copy (the build puts one in <build>/share/vellicor/collection, beside the
// executables' folders) and an installed program the one installed with it
// (<prefix>/bin/../share/vellicor/collection); failing both, in the desktop's data folders
// ($XDG_DATA_DIRS/vellicor/collection).

#include "platform/MainFrame.h"
#include "shell/CollectionWindow.h"

#include <QPointer>

class QMenu;

namespace vellicor {

// The folder of the installed collection; empty when there is none.
std::string ShippedCollectionFolder();

class Collection {
public:
    Collection(const Model& model, UserPrompts& prompts, MainFrame& frame, CollectionWindow::OpenHandler open);

    // Opens the window on the installed collection, or brings the open one forward as it is.
    void Open();
    // The context menus' item, in the language of the moment.
    void AppendAction(QMenu& menu);
    void Retranslate();

    ChildFrame* Frame() const { return frame_; }
    CollectionWindow* Window() const { return window_; }

private:
    const Model& model_;
    UserPrompts& prompts_;
    MainFrame& mainFrame_;
    CollectionWindow::OpenHandler open_;
    QPointer<ChildFrame> frame_;
    QPointer<CollectionWindow> window_;
};

} // namespace vellicor
