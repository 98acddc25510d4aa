#pragma once
// The program's icon, ICON_0: the glider and block that also sits in the middle of the icon bar.
// The program sets it as the application's window icon; the About boxes and the child windows
// then show it.

#include <QIcon>
#include <QImage>

namespace vellicor {

// ":/icons/ICON_2.png" and so on: the program's icons, built into this library. Registers them
// first, so it also works before any window exists.
QImage LoadIconResource(const char* name);

QIcon ProgramIcon();

} // namespace vellicor
