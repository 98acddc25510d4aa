#pragma once
// From dialog units to pixels. The base units are measured on the dialog's font as the old
// system measured them (the average width of the 52 letters, the line height), so a template
// scales with the font. The old templates were drawn for a narrow 8-point font; DejaVu Sans and
// most fonts of today set words wider for the same average, so the horizontal unit gets an extra
// eighth, which keeps every label of the templates inside its rectangle.

#include "resources/DialogTemplate.h"

#include <QRect>
#include <QSize>

class QFont;

namespace vellicor {

struct DialogBaseUnits {
    int x = 6; // pixels per 4 horizontal dialog units
    int y = 13; // pixels per 8 vertical dialog units
};

DialogBaseUnits MeasureBaseUnits(const QFont& font);
QRect ToPixels(const DialogRect& rect, DialogBaseUnits units);
QSize ToPixels(const DialogSize& size, DialogBaseUnits units);

} // namespace vellicor
