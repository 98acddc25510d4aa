#pragma once
// The child windows of the main window, the icon bar among them, and the Window-menu and Zoom
// commands: each window sets its open flag and its menu marks when it is made and clears them
// when it goes, so the marks always show what is open.

#include "platform/MainFrame.h"
#include "shell/settings/Settings.h"

#include <QPointer>

namespace vellicor {

struct ShellState;

class ChildWindows {
public:
    ChildWindows(Model& model, ShellState& state, MainFrame& frame);

    void CreateIconBar();
    void CreateBitmapWindow();
    void CreateInfoWindow();

    // 120, 128, 140 / 141 / 142 / 150 and 502; false for any other command.
    bool RunCommand(int command);

    ChildFrame* Info() const { return info_; }
    ChildFrame* Bitmap() const { return bitmap_; }
    ChildFrame* Zoom() const { return zoom_; }

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
};

} // namespace vellicor
