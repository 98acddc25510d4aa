#include "platform/InputPoll.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace vellicor {

InputPoll::InputPoll()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputPoll::~InputPoll()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputPoll::Poll()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const bool pressed = keyPressed_;
    keyPressed_ = false;
    return pressed;
}

bool InputPoll::eventFilter(QObject* watched, QEvent* event)
{
    // The window system's events reach the window's QWindow before its widgets.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool letThrough = window_ != nullptr &&
                            (widget != nullptr ? widget == window_ || window_->isAncestorOf(widget)
                                               : watched == window_->windowHandle());
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed for the key itself, so no accelerator acts on it; the key press that follows
        // is taken below.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::Shortcut:
        keyPressed_ = true;
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return !letThrough;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // The window system's close box; the program's own closing is not spontaneous.
        return event->spontaneous() && !letThrough;
    default:
        return false;
    }
}

} // namespace vellicor
