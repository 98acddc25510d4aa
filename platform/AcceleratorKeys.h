#pragma once
// The accelerator table on Qt: one window-wide shortcut per entry. Window-wide means the key acts
// whichever child of the window has the focus, and not while another window (a modal dialog, a
// message box) is the active one.

#include "resources/Accelerators.h"

#include <QKeyCombination>

#include <functional>

class QWidget;

namespace vellicor {

QKeyCombination AcceleratorKey(const AcceleratorEntry& entry);

// Each key of the table calls onKey with its command. The shortcuts are children of window and
// live as long as it does.
void InstallAccelerators(const AcceleratorTable& table, QWidget& window, const std::function<void(int)>& onKey);

} // namespace vellicor
