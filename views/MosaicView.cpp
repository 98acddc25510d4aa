#include "views/MosaicView.h"

#include "views/ArrayImage.h"

#include <QPainter>

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

void MosaicView::Draw(QPainter& painter)
{
    // A texture brush repeats its image from the painter's origin, the client's top-left corner:
    // whole tiles edge to edge, the last row and column cut by the edge.
    const QImage pattern = MosaicPattern(RenderArrayTile(automaton_, crStateColor_), iMosaicMode_);
    painter.fillRect(rect(), pattern.isNull() ? QBrush(Qt::white) : QBrush(pattern));
}

void MosaicView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    Draw(painter);
}

QImage MosaicView::Picture()
{
    if (size().isEmpty())
        return {};
    QImage picture(size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    Draw(painter);
    return picture;
}

void MosaicView::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (onDoubleClick_)
        onDoubleClick_();
}

} // namespace vellicor
