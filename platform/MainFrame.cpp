#include "platform/MainFrame.h"

#include "platform/AcceleratorKeys.h"
#include "resources/Messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

namespace vellicor {

MainFrame::MainFrame(const MenuTable& englishBar, const MenuTable& frenchBar, MenuLanguage shown, QWidget* parent)
    : QWidget(parent), shown_(shown)
{
    setWindowTitle(QString::fromUtf8(kMainWindowTitle.data(), static_cast<qsizetype>(kMainWindowTitle.size())));

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    // Both bars live as long as the window; only the shown one is visible, so only its mnemonics act.
    englishBar_ = new CommandMenuBar(englishBar, ACCELERATORS_1, this);
    frenchBar_ = new CommandMenuBar(frenchBar, ACCELERATORS_1, this);
    for (CommandMenuBar* bar : {englishBar_, frenchBar_}) {
        bar->SetItemHandler([this](int id) { OnMenuItem(id); });
        bar->hide();
    }

    client_ = new QMdiArea(this);
    client_->setBackground(Qt::white);
    client_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    client_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    client_->viewport()->installEventFilter(this);
    client_->viewport()->setCursor(Qt::CrossCursor); // the cursor of every window of the program
    layout_->addWidget(client_);

    InstallAccelerators(ACCELERATORS_1, *this, [this](int id) { OnAccelerator(id); });
    SetMenu(shown);
}

MainFrame::~MainFrame()
{
    // The windows go with the client after this object's members; by then nobody may be told.
    for (const QPointer<ChildFrame>& child : children_) {
        if (child) {
            child->SetDestroyedHandler(nullptr);
        }
    }
    client_->viewport()->removeEventFilter(this);
}

void MainFrame::SetCommandHandler(std::function<void(int)> handler)
{
    commandHandler_ = std::move(handler);
}

void MainFrame::SendCommand(int id)
{
    if (commandHandler_) {
        commandHandler_(id);
    }
}

void MainFrame::OnMenuItem(int id)
{
    // The item is disabled while grayed; the check also covers a trigger that slips through.
    if (!IsMenuItemGrayed(menuState_, id)) {
        SendCommand(id);
    }
}

bool MainFrame::KeyboardIsOurs()
{
    return QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr;
}

void MainFrame::OnAccelerator(int id)
{
    if (KeyboardIsOurs() && !IsMenuItemGrayed(menuState_, id)) {
        SendCommand(id);
    }
}

void MainFrame::AddKey(const QKeySequence& key, std::function<void()> action)
{
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [action = std::move(action)] {
        if (KeyboardIsOurs()) {
            action();
        }
    });
}

void MainFrame::SetMenu(MenuLanguage language)
{
    shown_ = language;
    CommandMenuBar& shownBar = MenuBar(language);
    CommandMenuBar& hiddenBar = MenuBar(language == MenuLanguage::English ? MenuLanguage::French : MenuLanguage::English);
    hiddenBar.hide();
    layout_->setMenuBar(&shownBar);
    shownBar.show();
}

CommandMenuBar& MainFrame::MenuBar(MenuLanguage language)
{
    return language == MenuLanguage::English ? *englishBar_ : *frenchBar_;
}

void MainFrame::CheckMenuItem(int id, bool checked)
{
    vellicor::CheckMenuItem(menuState_, id, checked);
    UpdateMenus();
}

void MainFrame::EnableMenuItem(int id, bool enabled)
{
    vellicor::EnableMenuItem(menuState_, id, enabled);
    UpdateMenus();
}

void MainFrame::UpdateMenus()
{
    ApplyMenuState(menuState_, *englishBar_);
    ApplyMenuState(menuState_, *frenchBar_);
}

QSize MainFrame::ClientSize() const
{
    // The viewport fills the area's contents (it has no scroll bars), but a hidden widget is not
    // told its size until it is shown; the area's own geometry is already right then.
    return client_->contentsRect().size();
}

ChildFrame* MainFrame::CreateChildWindow(const ChildWindowOptions& options, QWidget* view)
{
    auto* frame = new ChildFrame(options, view);
    client_->addSubWindow(frame);
    // addSubWindow may move a window it thinks misplaced; the rectangle asked for is the one kept.
    frame->setGeometry(options.rect.x, options.rect.y, options.rect.width, options.rect.height);
    frame->show();
    children_.erase(std::remove_if(children_.begin(), children_.end(), [](const auto& child) { return child.isNull(); }),
                    children_.end());
    children_.emplace_back(frame);
    return frame;
}

QWidget* MainFrame::CreateBareWindow(QWidget* view, const WindowRect& rect)
{
    view->setParent(client_->viewport());
    view->setGeometry(rect.x, rect.y, rect.width, rect.height);
    view->lower(); // beneath the framed windows, which may overlap it
    view->show();
    return view;
}

std::vector<ChildFrame*> MainFrame::ChildWindows() const
{
    std::vector<ChildFrame*> windows;
    for (const QPointer<ChildFrame>& child : children_) {
        if (child && child->isVisible()) {
            windows.push_back(child.data());
        }
    }
    return windows;
}

void MainFrame::InvalidateClient()
{
    client_->viewport()->update();
    for (ChildFrame* child : ChildWindows()) {
        if (QWidget* view = child->View()) {
            view->update();
        }
    }
}

void MainFrame::UpdateClient()
{
    // Only the views change from one generation to the next: repainting them alone keeps frames,
    // captions and the bare client out of every frame a continuous run sends to the screen.
    for (ChildFrame* child : ChildWindows()) {
        if (QWidget* view = child->View()) {
            view->repaint();
        }
    }
}

void MainFrame::SetClientMouseHandler(std::function<void(ClientMouse, int, int)> handler)
{
    mouseHandler_ = std::move(handler);
}

void MainFrame::SetClientResizeHandler(std::function<void(int, int)> handler)
{
    resizeHandler_ = std::move(handler);
}

void MainFrame::SetCloseHandler(std::function<void()> handler)
{
    closeHandler_ = std::move(handler);
}

void MainFrame::PlaceOnScreen()
{
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (shownOn == nullptr)
        return;
    const QRect area = shownOn->availableGeometry();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !isVisible())
        WaitForWindowFrame(area);
    // move() places the frame, resize() the client inside it: together the whole window fills
    // the area, title bar included.
    move(area.topLeft());
    resize(area.size().shrunkBy(windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins()));
}

void MainFrame::WaitForWindowFrame(const QRect& area)
{
    // An X window manager adds its title bar and borders only once the window is mapped, and says
    // how large they are a few milliseconds later. Without a window manager nobody ever says;
    // the deadline keeps that start from waiting long.
    constexpr int kFrameDeadlineMs = 250;
    move(area.topLeft());
    resize(area.size());
    show();
    QEventLoop wait;
    frameWait_ = &wait;
    QTimer::singleShot(kFrameDeadlineMs, &wait, &QEventLoop::quit);
    if (windowHandle() == nullptr || windowHandle()->frameMargins().isNull())
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    frameWait_ = nullptr;
}

void MainFrame::moveEvent(QMoveEvent* event)
{
    if (frameWait_ != nullptr && windowHandle() != nullptr && !windowHandle()->frameMargins().isNull())
        frameWait_->quit();
    QWidget::moveEvent(event);
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            // An event a window in the client left unhandled travels up to here; it is not a
            // click on the bare client.
            if (mouse->button() == Qt::LeftButton && client_->viewport()->childAt(at) == nullptr && mouseHandler_) {
                mouseHandler_(event->type() == QEvent::MouseButtonRelease ? ClientMouse::LeftButtonUp
                                                                          : ClientMouse::LeftDoubleClick,
                              at.x(), at.y());
            }
            break;
        }
        case QEvent::Resize:
            if (resizeHandler_) {
                const QSize size = client_->viewport()->size();
                resizeHandler_(size.width(), size.height());
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    if (closeHandler_) {
        closeHandler_();
    }
    QWidget::closeEvent(event);
}

} // namespace vellicor
