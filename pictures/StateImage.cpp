#include "pictures/StateImage.h"

#include <cstring>

namespace vellicor {

QRgb RgbOfStateEntry(uint32_t entry) { return qRgb(entry & 0xFF, (entry >> 8) & 0xFF, (entry >> 16) & 0xFF); }

QList<QRgb> StateColorTable(const uint32_t crStateColor[kStateCount])
{
    QList<QRgb> table(kStateCount);
    for (int s = 0; s < kStateCount; ++s)
        table[s] = RgbOfStateEntry(crStateColor[s]);
    return table;
}

namespace {

QImage PaletteImage(int width, int height, const uint32_t crStateColor[kStateCount])
{
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.setColorTable(StateColorTable(crStateColor));
    return image;
}

} // namespace

QImage StateImage(const Automaton& a, const uint32_t crStateColor[kStateCount])
{
    const int columns = EffectiveMaxHor(a) - 1;
    const int rows = EffectiveMaxVer(a) - 1;
    if (columns <= 0 || rows <= 0)
        return {};
    QImage image = PaletteImage(columns, rows, crStateColor);
    if (image.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < columns; ++x)
            line[x] = a.byArray[x + 1][y + 1] & 15;
    }
    return image;
}

QImage StateImage(const CellField& f, const uint32_t crStateColor[kStateCount])
{
    QImage image = PaletteImage(f.Width(), f.Height(), crStateColor);
    for (int y = 0; y < image.height(); ++y)
        f.ReadRow(y, image.scanLine(y));
    return image;
}

QImage ScaledPicture(const QImage& image, int scale)
{
    if (image.isNull() || scale <= 1)
        return image;
    const QImage source = image.depth() == 8 || image.depth() == 32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const int bytesPerPixel = source.depth() / 8;
    QImage scaled(source.width() * scale, source.height() * scale, source.format());
    if (scaled.isNull())
        return {};
    scaled.setColorTable(source.colorTable());
    const size_t lineBytes = static_cast<size_t>(scaled.width()) * bytesPerPixel;
    for (int y = 0; y < source.height(); ++y) {
        const uchar* from = source.constScanLine(y);
        uchar* first = scaled.scanLine(y * scale);
        for (int x = 0; x < source.width(); ++x)
            for (int k = 0; k < scale; ++k)
                std::memcpy(first + (static_cast<size_t>(x) * scale + k) * bytesPerPixel, from + x * bytesPerPixel,
                            static_cast<size_t>(bytesPerPixel));
        for (int k = 1; k < scale; ++k)
            std::memcpy(scaled.scanLine(y * scale + k), first, lineBytes);
    }
    return scaled;
}

} // namespace vellicor
