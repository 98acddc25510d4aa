#pragma once
// The picture of an automaton: its live cells as one pixel each in the state colours, and the
// nearest-neighbour enlargement every picture out of the program uses. Qt Gui only, no widgets,
// so the views, the program's picture files and the headless renderer draw the very same pixels.

#include "engine/Automaton.h"
#include "engine/CellField.h"

#include <QImage>

#include <cstdint>

namespace vellicor {

// A palette entry as a colour: red in bits 0-7, green in 8-15 and blue in 16-23.
QRgb RgbOfStateEntry(uint32_t entry);
// The palette as the colour table of an indexed picture: entry s is the colour of state s.
QList<QRgb> StateColorTable(const uint32_t crStateColor[kStateCount]);

// The live cells as an indexed picture, one pixel per cell, whose colour table is the palette
// (red in bits 0-7 of an entry, green 8-15, blue 16-23): pixel (x - 1, y - 1) holds the state of
// cell (x, y). A null image when the array has no live cell.
QImage StateImage(const Automaton& a, const uint32_t crStateColor[kStateCount]);
// The cells of a field the same way: pixel (x, y) holds cell (x, y). A null image when the
// picture cannot be allocated.
QImage StateImage(const CellField& f, const uint32_t crStateColor[kStateCount]);

// Every pixel made a block of scale x scale pixels, without any smoothing; the format is kept.
// A scale below 1 counts as 1.
QImage ScaledPicture(const QImage& image, int scale);

} // namespace vellicor
