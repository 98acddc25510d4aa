#include "views/BitmapView.h"

#include "views/ArrayImage.h"
#include "views/DevicePixels.h"

#include <QPainter>

namespace vellicor {

BitmapView::BitmapView(const Automaton& automaton, const uint32_t* crStateColor, std::function<void()> onDoubleClick,
                       QWidget* parent)
    : QWidget(parent), automaton_(automaton), crStateColor_(crStateColor), onDoubleClick_(std::move(onDoubleClick))
{
    // Each paint draws the whole image over the same pixels; nothing else needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setCursor(Qt::CrossCursor);
}

void BitmapView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    DrawPixels(painter, QPoint(11, 11), RenderArrayImage(automaton_, crStateColor_));
}

void BitmapView::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (onDoubleClick_)
        onDoubleClick_();
}

} // namespace vellicor
