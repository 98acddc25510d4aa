#include "platform/ChildFrame.h"

#include <QCloseEvent>

namespace vellicor {

ChildFrame::ChildFrame(const ChildWindowOptions& options, QWidget* view) : systemMenu_(options.systemMenu)
{
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (options.systemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(options.title));
    setWidget(view);
    if (!options.systemMenu) {
        setSystemMenu(nullptr);
    }
    setGeometry(options.rect.x, options.rect.y, options.rect.width, options.rect.height);
    if (!options.thickFrame) {
        setFixedSize(options.rect.width, options.rect.height);
    }
}

ChildFrame::~ChildFrame()
{
    NotifyDestroyed();
}

void ChildFrame::SetDestroyedHandler(std::function<void()> handler)
{
    onDestroyed_ = std::move(handler);
}

WindowRect ChildFrame::Rect() const
{
    const QRect frame = geometry();
    return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void ChildFrame::Destroy()
{
    if (gone_) {
        return;
    }
    NotifyDestroyed();
    hide();
    deleteLater();
}

void ChildFrame::closeEvent(QCloseEvent* event)
{
    if (!systemMenu_ && !gone_) {
        event->ignore(); // no close box, no closing by key either
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        NotifyDestroyed(); // the frame is deleted a moment later
    }
}

void ChildFrame::NotifyDestroyed()
{
    if (gone_) {
        return;
    }
    gone_ = true;
    if (auto handler = std::move(onDestroyed_)) {
        onDestroyed_ = nullptr;
        handler();
    }
}

} // namespace vellicor
