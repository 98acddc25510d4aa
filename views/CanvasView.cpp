#include "views/CanvasView.h"

#include "views/DevicePixels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

namespace vellicor {

namespace {

constexpr QRgb kGround = 0xFF303030; // around a canvas smaller than the view
constexpr int kWheelStep = 120;      // one notch of a common wheel, in eighths of a degree

} // namespace

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CanvasView"));
    // Each paint covers every pixel: the picture and the ground around it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMinimumSize(64, 64);
}

void CanvasView::SetPicture(QImage picture)
{
    const bool resized = picture.size() != picture_.size();
    const QPointF middle = (QPointF(scroll_) + QPointF(width() / 2.0, height() / 2.0)) / zoom_;
    const QSizeF before = picture_.size();
    picture_ = std::move(picture);
    if (resized) {
        // The same share of the canvas stays in the middle.
        const QPointF share(before.width() > 0 ? middle.x() / before.width() : 0.5,
                            before.height() > 0 ? middle.y() / before.height() : 0.5);
        const QPointF kept(share.x() * picture_.width() * zoom_, share.y() * picture_.height() * zoom_);
        SetScroll((kept - QPointF(width() / 2.0, height() / 2.0)).toPoint());
        UpdateCursor();
    }
    update();
}

void CanvasView::SetZoom(int zoom, QPointF anchor)
{
    zoom = std::clamp(zoom, kMinCanvasZoom, kMaxCanvasZoom);
    if (zoom == zoom_)
        return;
    const QPointF cell = (anchor - QPointF(Origin())) / zoom_;
    zoom_ = zoom;
    // The anchor's cell under the anchor again, as far as the canvas's edges allow.
    SetScroll((cell * zoom_ - anchor).toPoint());
    UpdateCursor();
    update();
}

void CanvasView::ZoomIn(QPointF anchor)
{
    const auto next = std::upper_bound(std::begin(kCanvasZoomSteps), std::end(kCanvasZoomSteps), zoom_);
    if (next != std::end(kCanvasZoomSteps))
        SetZoom(*next, anchor);
}

void CanvasView::ZoomOut(QPointF anchor)
{
    const auto at = std::lower_bound(std::begin(kCanvasZoomSteps), std::end(kCanvasZoomSteps), zoom_);
    if (at != std::begin(kCanvasZoomSteps))
        SetZoom(*(at - 1), anchor);
}

void CanvasView::SetScroll(QPoint scroll)
{
    const QSize zoomed = ZoomedSize();
    scroll_ = QPoint(std::clamp(scroll.x(), 0, std::max(zoomed.width() - width(), 0)),
                     std::clamp(scroll.y(), 0, std::max(zoomed.height() - height(), 0)));
    update();
}

QPoint CanvasView::Origin() const
{
    // Centred along a side that fits, scrolled along one that does not.
    const QSize zoomed = ZoomedSize();
    const auto along = [](int view, int canvas, int scrolled) {
        return canvas <= view ? (view - canvas) / 2 : -scrolled;
    };
    return {along(width(), zoomed.width(), scroll_.x()), along(height(), zoomed.height(), scroll_.y())};
}

void CanvasView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QPoint origin = Origin();
    const QRect shown = QRect(origin, ZoomedSize()) & rect();
    // The ground only where the canvas is not: filling under it would flicker.
    const QRegion ground = QRegion(rect()) - QRegion(shown);
    for (const QRect& part : ground)
        painter.fillRect(part, QColor::fromRgb(kGround));
    if (picture_.isNull() || shown.isEmpty())
        return;
    // The cells that fall in the view, drawn from the first one's own corner.
    const QPoint firstCell((shown.left() - origin.x()) / zoom_, (shown.top() - origin.y()) / zoom_);
    const QPoint lastCell((shown.right() - origin.x()) / zoom_, (shown.bottom() - origin.y()) / zoom_);
    DrawPixels(painter, origin + firstCell * zoom_, picture_, QRect(firstCell, lastCell), zoom_);
}

void CanvasView::resizeEvent(QResizeEvent* /*event*/)
{
    SetScroll(scroll_);
    UpdateCursor();
}

void CanvasView::wheelEvent(QWheelEvent* event)
{
    wheelTurn_ += event->angleDelta().y();
    for (; wheelTurn_ >= kWheelStep; wheelTurn_ -= kWheelStep)
        ZoomIn(event->position());
    for (; wheelTurn_ <= -kWheelStep; wheelTurn_ += kWheelStep)
        ZoomOut(event->position());
    event->accept();
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    dragFrom_ = event->position().toPoint();
    UpdateCursor();
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    const QPoint at = event->position().toPoint();
    SetScroll(scroll_ - (at - dragFrom_));
    dragFrom_ = at;
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        UpdateCursor();
    }
}

void CanvasView::UpdateCursor()
{
    const QSize zoomed = ZoomedSize();
    const bool pannable = zoomed.width() > width() || zoomed.height() > height();
    setCursor(!pannable ? Qt::ArrowCursor : dragging_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
}

} // namespace vellicor
