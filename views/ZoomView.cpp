#include "views/ZoomView.h"

#include "views/ArrayImage.h"
#include "views/DevicePixels.h"

#include <QPainter>

namespace vellicor {

ZoomView::ZoomView(const Automaton& automaton, const uint32_t* crStateColor, QWidget* parent)
    : PictureView(parent), automaton_(automaton), crStateColor_(crStateColor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

QImage ZoomView::Picture()
{
    if (size().isEmpty())
        return {};
    QImage picture(size(), QImage::Format_RGB32);
    const QImage image = RenderArrayImage(automaton_, crStateColor_);
    if (image.isNull()) {
        picture.fill(Qt::white);
        return picture;
    }
    // Nearest-neighbour, as a stretch of a bitmap: each cell stays a sharp block.
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(picture.rect(), image);
    return picture;
}

void ZoomView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    DrawPixels(painter, QPoint(0, 0), Picture());
}

} // namespace vellicor
