#pragma once
// The main window as a platform piece: the two menu bars of the edition (English and French) with
// one menu state between them, the accelerators, and the main client in which the child windows
// live. It holds no program logic: every menu choice and every accelerator becomes one command id
// handed to the command handler, which is the program's window procedure.
//
// A command from a grayed item does nothing, nor does an accelerator of a grayed command, nor any
// accelerator while a modal window (dialog, message box) or an open menu has the keyboard.
// SendCommand, the program's own path (double clicks, the icon bar, a Retry), is not filtered.
// Keys of the program's own beyond the accelerator table (AddKey) follow the accelerators' rules.

#include "platform/ChildFrame.h"
#include "platform/CommandMenuBar.h"
#include "platform/MenuState.h"

#include <QKeySequence>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QEventLoop;
class QMdiArea;
class QVBoxLayout;

namespace vellicor {

enum class MenuLanguage { English, French };

constexpr MenuLanguage MenuLanguageFor(int iLanguage)
{
    return iLanguage == 1 ? MenuLanguage::English : MenuLanguage::French;
}

enum class ClientMouse { LeftButtonUp, LeftDoubleClick };

class MainFrame : public QWidget {
    Q_OBJECT

public:
    // englishBar is the edition's English bar (MENU_VLR or MENU_QRL_US), frenchBar MENU_VLR_FR.
    MainFrame(const MenuTable& englishBar, const MenuTable& frenchBar, MenuLanguage shown,
              QWidget* parent = nullptr);
    ~MainFrame() override;

    // Commands.
    void SetCommandHandler(std::function<void(int)> handler);
    void SendCommand(int id);
    // A key that the accelerator table leaves free, acting as an accelerator does: whichever
    // child has the focus, never while a modal window or an open menu has the keyboard.
    void AddKey(const QKeySequence& key, std::function<void()> action);

    // Menus. Every change of a mark or of a grayed state is shown on both bars at once.
    void SetMenu(MenuLanguage language);
    MenuLanguage ShownMenu() const { return shown_; }
    CommandMenuBar& MenuBar(MenuLanguage language);
    void CheckMenuItem(int id, bool checked);
    void EnableMenuItem(int id, bool enabled);
    const MenuState& GetMenuState() const { return menuState_; }
    void UpdateMenus(); // shows the whole menu state on both bars

    // The main client: the area below the menu bar in which child windows live. Its coordinates
    // are those of every window rectangle.
    QMdiArea& Client() { return *client_; }
    QSize ClientSize() const;
    ChildFrame* CreateChildWindow(const ChildWindowOptions& options, QWidget* view);
    // A window without caption or frame (the icon bar): the view itself, placed in the client
    // beneath every framed window. It goes with the client; its QObject::destroyed tells when.
    QWidget* CreateBareWindow(QWidget* view, const WindowRect& rect);
    std::vector<ChildFrame*> ChildWindows() const;
    // Repaints the client and every window in it, soon.
    void InvalidateClient();
    // Repaints the view of every framed window before returning (what changes from one
    // generation to the next).
    void UpdateClient();

    // Left-button release and double click on the bare client (not on a window in it), in client
    // coordinates; a resize of the client.
    void SetClientMouseHandler(std::function<void(ClientMouse, int x, int y)> handler);
    void SetClientResizeHandler(std::function<void(int width, int height)> handler);
    // Called when the main window closes, before anything in it is destroyed.
    void SetCloseHandler(std::function<void()> handler);

    // Gives the window, its frame included, the available area of its screen (the screen without
    // panels and docks). On X the window is shown for it, since only then is its frame known.
    void PlaceOnScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void OnMenuItem(int id);
    void OnAccelerator(int id);
    static bool KeyboardIsOurs();
    void WaitForWindowFrame(const QRect& area);

    QVBoxLayout* layout_ = nullptr;
    CommandMenuBar* englishBar_ = nullptr;
    CommandMenuBar* frenchBar_ = nullptr;
    QMdiArea* client_ = nullptr;
    MenuLanguage shown_;
    MenuState menuState_;
    std::function<void(int)> commandHandler_;
    std::function<void(ClientMouse, int, int)> mouseHandler_;
    std::function<void(int, int)> resizeHandler_;
    std::function<void()> closeHandler_;
    std::vector<QPointer<ChildFrame>> children_;
    QEventLoop* frameWait_ = nullptr; // while the start waits for the window manager's frame
};

} // namespace vellicor
