#pragma once
// The array as a picture of one pixel per live cell, in the palette's colours. Every picture view
// (Bitmap, Zoom, Mosaic, Multi-bitmap) and the picture copies are made from it, rendered from the
// cells rather than read back from another window.

#include "engine/Automaton.h"

#include <QColor>
#include <QImage>

#include <cstdint>

namespace vellicor {

QColor ColorOfStateEntry(uint32_t colorRef);

// (wMaxHor - 1) x (wMaxVer - 1) pixels; a null image when the array has no live cell.
QImage RenderArrayImage(const Automaton& a, const uint32_t crStateColor[kStateCount]);

// The array image stretched by one pixel each way, to wMaxHor x wMaxVer: the Mosaic's tile and
// the Bitmap window's copy. The stretch doubles the last column and the last row, so the tile
// reads as the image with its right and bottom edges one pixel thicker; a null image when the
// array has no live cell.
QImage RenderArrayTile(const Automaton& a, const uint32_t crStateColor[kStateCount]);

} // namespace vellicor
