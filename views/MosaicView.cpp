#include "views/MosaicView.h"

#include "views/ArrayImage.h"
#include "views/DevicePixels.h"

#include <QPainter>

#include <algorithm>

namespace vellicor {

QImage MosaicPattern(const QImage& tile, int32_t iMosaicMode)
{
    if (tile.isNull() || iMosaicMode != 0)
        return tile;
    QImage brush(kMosaicBrushSide, kMosaicBrushSide, QImage::Format_RGB32);
    for (int y = 0; y < kMosaicBrushSide; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(tile.constScanLine(y % tile.height()));
        auto* line = reinterpret_cast<QRgb*>(brush.scanLine(y));
        for (int x = 0; x < kMosaicBrushSide; ++x)
            line[x] = from[x % tile.width()];
    }
    return brush;
}

MosaicView::MosaicView(const Automaton& automaton, const uint32_t* crStateColor, const int32_t& iMosaicMode,
                       std::function<void()> onDoubleClick, QWidget* parent)
    : PictureView(parent), automaton_(automaton), crStateColor_(crStateColor), iMosaicMode_(iMosaicMode),
      onDoubleClick_(std::move(onDoubleClick))
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the pattern covers every pixel
    setCursor(Qt::CrossCursor);
}

const QImage& MosaicView::Render()
{
    // Whole patterns edge to edge from the top-left corner, the last row and column cut by the
    // edge: each line is its pattern line copied across. The image is kept for the next paint,
    // which overwrites every pixel of it.
    const QImage pattern = MosaicPattern(RenderArrayTile(automaton_, crStateColor_), iMosaicMode_);
    if (picture_.size() != size())
        picture_ = size().isEmpty() ? QImage() : QImage(size(), QImage::Format_RGB32);
    if (picture_.isNull() || pattern.isNull()) {
        picture_.fill(Qt::white);
        return picture_;
    }
    const int patternWidth = pattern.width();
    for (int y = 0; y < picture_.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(pattern.constScanLine(y % pattern.height()));
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < picture_.width(); x += patternWidth)
            std::copy(from, from + std::min(patternWidth, picture_.width() - x), line + x);
    }
    return picture_;
}

QImage MosaicView::Picture()
{
    return Render().copy();
}

void MosaicView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawPixels(painter, QPoint(0, 0), Render());
}

void MosaicView::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (onDoubleClick_)
        onDoubleClick_();
}

} // namespace vellicor
