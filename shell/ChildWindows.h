#pragma once
// The child windows of the main window, the icon bar among them, and the Window-menu and Zoom
// commands: each window sets its open flag and its menu marks when it is made and clears them
// when it goes, so the marks always show what is open.

#include "platform/ContextMenu.h"
#include "platform/MainFrame.h"
#include "shell/settings/Settings.h"

#include <QPointer>

namespace vellicor {

struct ShellState;
class MultiBitmapView;

// What makes a window: the titles of the Array and Mosaic windows differ by it.
enum class OpenedBy {
    StartUp,      // English for every iLanguage but 0
    WindowMenu,   // the Array window: English for iLanguage 1 only; the Mosaic: "Mosaïque" for 0
    Reinitialise, // Fenêtre / Initialiser, a French menu item: the French titles
};

class ChildWindows {
public:
    ChildWindows(Model& model, ShellState& state, MainFrame& frame);

    void CreateIconBar();
    void CreateBitmapWindow();
    void CreateInfoWindow();
    // At the settings' rectangles.
    void CreateMosaicWindow(OpenedBy by);
    void CreateMultiBitmapWindow();

    // 120, 128, 140 / 141 / 142 / 150, 169 and 180; false for any other command.
    bool RunCommand(int command);

    ChildFrame* Info() const { return info_; }
    ChildFrame* Bitmap() const { return bitmap_; }
    ChildFrame* Zoom() const { return zoom_; }
    ChildFrame* Mosaic() const { return mosaic_; }
    ChildFrame* MultiBitmap() const { return multiBitmap_; }

    // The Multi-bitmap sheet takes the current generation's tile; for every repaint of the views.
    void TakeMultiBitmapTile();

    // What the icon bar's context menu holds; for an icon bar made after.
    void SetIconBarMenu(MenuFiller fill) { iconBarMenu_ = std::move(fill); }

private:
    int IconBarHeight() const;
    void CreateZoomWindow();
    void SetZoomFactor(int command);

    Model& model_;
    ShellState& state_;
    MainFrame& frame_;
    QPointer<QWidget> iconBar_;
    QPointer<ChildFrame> info_;
    QPointer<ChildFrame> bitmap_;
    QPointer<ChildFrame> zoom_;
    QPointer<ChildFrame> mosaic_;
    QPointer<ChildFrame> multiBitmap_;
    MultiBitmapView* multiBitmapView_ = nullptr; // the view of multiBitmap_, while it exists
    MenuFiller iconBarMenu_;
};

} // namespace vellicor
