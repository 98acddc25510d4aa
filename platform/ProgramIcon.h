#pragma once
// The program's icon, ICON_0: the glider and block that also sits in the middle of the icon bar.
// The program sets it as the application's window icon; the About boxes and the child windows
// then show it.
//
// Besides the 32 x 32 ICON_0 it comes drawn at every size a desktop or a scaled screen asks for
// (a 16-pixel title icon at a scale of 1.5 wants 24 pixels), each from the cells at whole pixels
// per cell, so that no size is a blurred resampling of another. The desktop's icon theme gets the
// same files when the program is installed.

#include <QIcon>
#include <QImage>
#include <QString>

#include <array>

namespace vellicor {

inline constexpr std::array<int, 7> kProgramIconSizes = {16, 24, 32, 48, 64, 128, 256};

// "ICON_0" for 32, "ICON_0_16" and so on for the others.
QString ProgramIconName(int size);

// ":/icons/ICON_2.png" and so on: the program's icons, built into this library. Registers them
// first, so it also works before any window exists.
QImage LoadIconResource(const char* name);

// Every size of kProgramIconSizes.
QIcon ProgramIcon();

} // namespace vellicor
