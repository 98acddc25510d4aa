#include "views/DevicePixels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace vellicor {

namespace {

// Pixels of an indexed picture above which drawing it through its table beats Qt's conversion.
constexpr int64_t kLargePicture = 256 * 256;

// Far below any pixel, far above the rounding error of a scaled coordinate.
constexpr double kSlack = 1e-6;

// The first device pixel whose top-left corner is at or after the coordinate.
int FirstPixelFrom(double device) { return static_cast<int>(std::ceil(device - kSlack)); }

bool IsWhole(double v) { return std::abs(v - std::round(v)) < kSlack; }

} // namespace

int PixelAt(double coordinate) { return static_cast<int>(std::floor(coordinate + kSlack)); }

QPoint PixelUnder(const QWidget& widget, const QMouseEvent& event)
{
    // The window's position is the one Qt did not round. It is the widget's own, rounded, unless
    // the event never went through the window: then it is anything, at least a pixel away.
    const QPointF exact = widget.mapFrom(widget.window(), event.scenePosition());
    const QPointF rounded = event.position();
    const bool fromWindow = std::abs(exact.x() - rounded.x()) <= 0.5 && std::abs(exact.y() - rounded.y()) <= 0.5;
    const QPointF at = fromWindow ? exact : rounded;
    return {PixelAt(at.x()), PixelAt(at.y())};
}

void DrawPixels(QPainter& painter, QPoint target, const QImage& image, QRect source, int zoom)
{
    source = (source.isNull() ? image.rect() : source) & image.rect();
    zoom = std::max(zoom, 1);
    if (source.isEmpty())
        return;
    const QTransform t = painter.deviceTransform();
    // One device pixel per logical pixel at whole offsets: nothing to scale, and Qt's own drawing
    // is the fastest, except for a large indexed picture (the Canvas's), which Qt converts whole
    // at every paint: looking up only the pixels drawn takes a third less.
    const bool qtDrawsFast = image.depth() == 32 || int64_t{image.width()} * image.height() <= kLargePicture;
    if (zoom == 1 && qtDrawsFast && t.type() <= QTransform::TxTranslate && IsWhole(t.dx()) && IsWhole(t.dy())) {
        painter.drawImage(target, image, source);
        return;
    }
    // Only the views' own painters come here, scaled alike both ways; anything else is drawn as
    // Qt draws it, without smoothing.
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.translate(target);
        painter.scale(zoom, zoom);
        painter.drawImage(QPoint(), image, source);
        painter.restore();
        return;
    }
    const double scale = t.m11();
    const int left = FirstPixelFrom(t.dx() + scale * target.x());
    const int right = FirstPixelFrom(t.dx() + scale * (target.x() + zoom * source.width()));
    const int top = FirstPixelFrom(t.dy() + scale * target.y());
    const int bottom = FirstPixelFrom(t.dy() + scale * (target.y() + zoom * source.height()));
    if (right <= left || bottom <= top)
        return;

    // An indexed image is read through its table; other depths are made 32-bit first.
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const QImage from = indexed || image.depth() == 32
                            ? image
                            : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                            : QImage::Format_RGB32);
    QList<QRgb> table = indexed ? from.colorTable() : QList<QRgb>();
    table.resize(256, 0xFF000000); // an index past the table reads black, as Qt shows it
    const QRgb* colours = table.constData();
    const auto cellAt = [&](int device, double offset, int origin, int count) {
        return std::clamp((PixelAt((device - offset) / scale) - origin) / zoom, 0, count - 1);
    };
    // The image pixel under each device column and row, kept inside the source against rounding.
    std::vector<int> columns(static_cast<size_t>(right - left));
    for (int i = 0; i < right - left; ++i)
        columns[static_cast<size_t>(i)] = source.x() + cellAt(left + i, t.dx(), target.x(), source.width());
    QImage pixels(right - left, bottom - top,
                  indexed ? QImage::Format_RGB32 : from.format());
    const size_t rowBytes = columns.size() * sizeof(QRgb);
    int lastRow = -1;
    for (int j = 0; j < bottom - top; ++j) {
        const int row = source.y() + cellAt(top + j, t.dy(), target.y(), source.height());
        auto* out = reinterpret_cast<QRgb*>(pixels.scanLine(j));
        if (row == lastRow) { // a zoomed row repeats the one above
            std::memcpy(out, pixels.constScanLine(j - 1), rowBytes);
            continue;
        }
        lastRow = row;
        if (indexed) {
            const uchar* in = from.constScanLine(row);
            for (size_t i = 0; i < columns.size(); ++i)
                out[i] = colours[in[columns[i]]];
        } else {
            const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(row));
            for (size_t i = 0; i < columns.size(); ++i)
                out[i] = in[columns[i]];
        }
    }
    // At the painter's own ratio the image meets the device one to one, so Qt only places it.
    pixels.setDevicePixelRatio(scale);
    painter.drawImage(t.inverted().map(QPointF(left, top)), pixels);
}

} // namespace vellicor
