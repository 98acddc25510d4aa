#include "platform/AcceleratorKeys.h"

#include <QShortcut>
#include <QWidget>

namespace vellicor {

QKeyCombination AcceleratorKey(const AcceleratorEntry& entry)
{
    Qt::KeyboardModifiers modifiers;
    if (entry.modifiers & kAcceleratorControl) {
        modifiers |= Qt::ControlModifier;
    }
    if (entry.modifiers & kAcceleratorShift) {
        modifiers |= Qt::ShiftModifier;
    }
    if (entry.modifiers & kAcceleratorAlt) {
        modifiers |= Qt::AltModifier;
    }
    // Qt numbers the letter and digit keys by their upper-case characters.
    return QKeyCombination(modifiers, static_cast<Qt::Key>(static_cast<unsigned char>(entry.key)));
}

void InstallAccelerators(const AcceleratorTable& table, QWidget& window, const std::function<void(int)>& onKey)
{
    for (const AcceleratorEntry& entry : table.entries) {
        auto* shortcut = new QShortcut(QKeySequence(AcceleratorKey(entry)), &window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(true);
        const int command = entry.command;
        QObject::connect(shortcut, &QShortcut::activated, &window, [onKey, command] { onKey(command); });
    }
}

} // namespace vellicor
