#pragma once
// The pictures of the icon bar, made with the program's own engine: for each preset, the
// Standard figure on a small square array after a chosen number of generations, in the default
// palette, enlarged to whole pixels per cell inside a one-pixel frame; for the sixth place, the
// program's glider and block drawn the same way, and drawn again at every size of the program's
// icon.
//
// Nothing but the engine, the preset tables and the default palette goes into a picture: no
// time, no random numbers, no fonts. The same build always draws the same pixels.

#include "views/IconBarView.h"

#include <QImage>

#include <array>

namespace vellicor {

struct IconPicture {
    const char* name; // resource name, "ICON_2" ...
    int command;      // the preset whose growth it shows; 0 for the program's own picture
    int liveCells;    // live cells per side; the 30 pixels inside the frame divide by it
    int level;        // the generation shown: 1 is the Standard figure itself
};

inline constexpr int kIconFramedArea = kIconBarIconSize - 2; // inside the one-pixel frame
inline constexpr QRgb kIconFrame = 0xFFC0C0C0; // no palette colour, so it never reads as cells

// The ten pictures, in the order of the icon bar.
const std::array<IconPicture, kIconBarIconCount>& IconPictures();

// 32 x 32, opaque; a null image if the picture cannot be made (a table entry out of range).
QImage RenderIconPicture(const IconPicture& picture);

// The program's icon at one size: the glider and block centred on liveCells x liveCells cells of
// pixelsPerCell pixels, inside a light grey frame `frame` pixels wide (about a 32nd of the size,
// as ICON_0's one pixel); the ground colour fills whatever is left between the frame and the
// cells. At 16 pixels the frame gives its room to the cells, so that a cell keeps two pixels.
struct ProgramIconLayout {
    int size;
    int liveCells;
    int pixelsPerCell;
    int frame;
};

// One layout for each of kProgramIconSizes, in that order; the 32 one draws ICON_0.
const std::array<ProgramIconLayout, kProgramIconSizes.size()>& ProgramIconLayouts();

// size x size, opaque; a null image if the layout does not fit its size.
QImage RenderProgramIcon(const ProgramIconLayout& layout);

} // namespace vellicor
