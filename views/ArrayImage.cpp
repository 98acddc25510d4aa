#include "views/ArrayImage.h"

#include "pictures/StateImage.h"

#include <algorithm>

namespace vellicor {

QColor ColorOfStateEntry(uint32_t colorRef) { return QColor(RgbOfStateEntry(colorRef)); }

QImage RenderArrayImage(const Automaton& a, const uint32_t crStateColor[kStateCount])
{
    // The views draw in 32 bits; the indexed picture is the one every picture file starts from.
    const QImage states = StateImage(a, crStateColor);
    return states.isNull() ? states : states.convertToFormat(QImage::Format_RGB32);
}

QImage RenderArrayTile(const Automaton& a, const uint32_t crStateColor[kStateCount])
{
    const QImage image = RenderArrayImage(a, crStateColor);
    if (image.isNull())
        return {};
    const int columns = image.width();
    const int rows = image.height();
    QImage tile(columns + 1, rows + 1, QImage::Format_RGB32);
    for (int y = 0; y <= rows; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(std::min(y, rows - 1)));
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        std::copy(from, from + columns, line);
        line[columns] = from[columns - 1];
    }
    return tile;
}

} // namespace vellicor
