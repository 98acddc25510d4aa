#include "views/ZoomView.h"

#include "views/ArrayImage.h"

#include <QPainter>

namespace vellicor {

ZoomView::ZoomView(const Automaton& automaton, const uint32_t* crStateColor, QWidget* parent)
    : QWidget(parent), automaton_(automaton), crStateColor_(crStateColor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void ZoomView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QImage image = RenderArrayImage(automaton_, crStateColor_);
    if (image.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Nearest-neighbour, as a stretch of a bitmap: each cell stays a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image);
}

} // namespace vellicor
