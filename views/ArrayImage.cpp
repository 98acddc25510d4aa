#include "views/ArrayImage.h"

#include <algorithm>

namespace vellicor {

QColor ColorOfStateEntry(uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

QImage RenderArrayImage(const Automaton& a, const uint32_t crStateColor[kStateCount])
{
    const int columns = EffectiveMaxHor(a) - 1;
    const int rows = EffectiveMaxVer(a) - 1;
    if (columns <= 0 || rows <= 0)
        return {};
    QRgb colors[kStateCount];
    for (int s = 0; s < kStateCount; ++s)
        colors[s] = ColorOfStateEntry(crStateColor[s]).rgb();
    QImage image(columns, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < columns; ++x)
            line[x] = colors[a.byArray[x + 1][y + 1] & 15];
    }
    return image;
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
