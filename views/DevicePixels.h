#pragma once
// The views draw pictures of one image pixel per logical pixel, and on a screen scaled by 1.5 or 2
// (QT_SCALE_FACTOR, a desktop's scale) those pictures must stay crisp and the mouse must still
// land on the cell it points at. Both sides follow one rule: a device pixel shows the logical
// pixel that holds its top-left corner, and the pointer on that device pixel is in that logical
// pixel. Neither side is left to Qt: its scaled drawing samples in its own way at a fractional
// scale and, drawn piece by piece over a partial repaint, leaves unpainted seams between the
// pieces; and it hands a widget the mouse position rounded to the nearest logical pixel, so the
// right half of a logical pixel at a scale of 2 would fall in the next one.

#include <QImage>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QPainter;
class QWidget;

namespace vellicor {

// The logical pixel a coordinate falls in. A position that the scaling put a rounding error below
// a pixel's edge belongs to that pixel, as the drawing below decides for the device pixels.
int PixelAt(double coordinate);

// The logical pixel of `widget` under the pointer of a mouse event, from the event's unrounded
// position in its window; an event made without one (sent straight to the widget) is taken at its
// own position.
QPoint PixelUnder(const QWidget& widget, const QMouseEvent& event);

// Draws the `source` part of an image with its top-left at `target` (logical pixels of the
// painter), each image pixel a square of zoom x zoom logical pixels, nearest neighbour at any
// device pixel ratio: each device pixel whose top-left corner lies in the target gets the colour
// of the image pixel under that corner. Two pieces drawn side by side cover their device pixels
// exactly once, so a partial repaint matches a whole one pixel for pixel. A null source draws the
// whole image. Only the device pixels of the source are made: an indexed image is looked up
// through its colour table there, never converted whole, so a small part of a large picture
// costs what that part covers.
void DrawPixels(QPainter& painter, QPoint target, const QImage& image, QRect source = QRect(), int zoom = 1);

} // namespace vellicor
