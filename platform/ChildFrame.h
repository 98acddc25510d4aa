#pragma once
// A child window of the main window: a frame with a caption inside the main client, holding one
// view. Rectangles are in main-client coordinates and cover the whole frame (caption and borders
// included), the way the old CreateWindowEx took them and the settings file stores them, so a
// rectangle read back and given to a new window puts it in the same place.

#include <QMdiSubWindow>

#include <functional>
#include <string>

namespace vellicor {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct ChildWindowOptions {
    std::string title; // UTF-8
    WindowRect rect;
    bool systemMenu = true; // false: no close box, and the person cannot close the window
    bool thickFrame = true; // false: the frame does not resize
};

class ChildFrame : public QMdiSubWindow {
public:
    // Takes the view; the frame deletes it.
    ChildFrame(const ChildWindowOptions& options, QWidget* view);
    ~ChildFrame() override;

    // Called once, when the window goes: closed by the person, destroyed by the program, or
    // deleted with the main window's client.
    void SetDestroyedHandler(std::function<void()> handler);

    WindowRect Rect() const;
    QWidget* View() const { return widget(); }
    bool HasSystemMenu() const { return systemMenu_; }

    // Removes the window at once, as the program's DestroyWindow: the handler runs before this
    // returns; the object itself is deleted when control returns to the event loop.
    void Destroy();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void NotifyDestroyed();

    std::function<void()> onDestroyed_;
    const bool systemMenu_;
    bool gone_ = false;
};

} // namespace vellicor
