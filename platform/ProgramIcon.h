#pragma once
// The program's icon, ICON_0: the glider and block that also sits in the middle of the icon bar.
// The program sets it as the application's window icon; the About boxes and the child windows
// then show it.

#include <QIcon>

namespace vellicor {

// The picture is built into the views library with the icon bar's icons; in a program that does
// not link it the icon is null and the desktop shows its own.
QIcon ProgramIcon();

} // namespace vellicor
