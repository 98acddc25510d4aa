#pragma once
// The program's icon drawn from its cell picture, at the sizes a desktop asks for. The program
// sets it as the application's window icon; the About boxes and the child windows then show it.

#include <QIcon>

namespace vellicor {

QIcon ProgramIcon();

} // namespace vellicor
