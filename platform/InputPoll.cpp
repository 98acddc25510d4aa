#include "platform/InputPoll.h"

#include <QCoreApplication>
#include <QEvent>

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

bool InputPoll::eventFilter(QObject*, QEvent* event)
{
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
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        // The window system's close box; the program's own closing is not spontaneous.
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace vellicor
