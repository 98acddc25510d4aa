#include "views/ArrayView.h"

#include "views/ArrayImage.h"
#include "views/DevicePixels.h"
#include "views/MouseToCell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace vellicor {

ArrayView::ArrayView(const ArraySources& sources, ArrayMouse mouse, QWidget* parent)
    : PictureView(parent), sources_(sources), mouse_(std::move(mouse))
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers every pixel
    setCursor(Qt::CrossCursor);
}

ArrayLook ArrayView::Look() const
{
    ArrayLook look;
    look.iCellWidth = sources_.cells.iCellWidth;
    look.bDrawGrid = sources_.bDrawGrid != 0;
    look.bRectangle = sources_.bRectangle != 0;
    for (int s = 0; s < kStateCount; ++s)
        look.colors[static_cast<size_t>(s)] = ColorOfStateEntry(sources_.crStateColor[s]).rgb();
    return look;
}

QRect ArrayView::HighlightRect() const
{
    const Selection& s = sources_.selection;
    const int64_t c = sources_.cells.iCellWidth;
    if (c < 1 || (s.bCellHighlight == 0 && s.bRectHighlight == 0))
        return {};
    // The first cell and the cell count across and down.
    const bool point = s.bCellHighlight != 0;
    const int64_t x = point ? s.iPointX : s.iSelStartX;
    const int64_t y = point ? s.iPointY : s.iSelStartY;
    const int64_t w = point ? 1 : int64_t{s.iSelEndX} - s.iSelStartX + 1;
    const int64_t h = point ? 1 : int64_t{s.iSelEndY} - s.iSelStartY + 1;
    if (w <= 0 || h <= 0)
        return {};
    const QRect area(0, 0, width(), height());
    // Kept within 32 bits before QRect sees it; anything past the view is cut off anyway.
    auto px = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -(1 << 20), 1 << 20)); };
    return QRect(QPoint(px(kCellOrigin + x * c), px(kCellOrigin + y * c)),
                 QPoint(px(kCellOrigin + (x + w) * c - 1), px(kCellOrigin + (y + h) * c - 1))) &
           area;
}

void ArrayView::Draw(QPainter& painter, const QRect& area)
{
    picture_.Update(sources_.automaton, size(), Look(), sources_.automaton.bIncrementalPaint != 0);
    const QImage& image = picture_.Image();
    DrawPixels(painter, area.topLeft(), image, area);
    const QRect highlight = HighlightRect() & area;
    if (!highlight.isEmpty()) {
        QImage inverted = image.copy(highlight);
        inverted.invertPixels();
        DrawPixels(painter, highlight.topLeft(), inverted);
    }
}

void ArrayView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    Draw(painter, event->rect());
}

QImage ArrayView::Picture()
{
    if (size().isEmpty())
        return {};
    QImage picture(size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    Draw(painter, picture.rect());
    return picture;
}

void ArrayView::resizeEvent(QResizeEvent* event)
{
    sources_.cells.iArrayClientWidth = width();
    sources_.cells.iArrayClientHeight = height();
    ComputeCellSize(sources_.cells, sources_.automaton);
    QWidget::resizeEvent(event);
}

std::pair<int32_t, int32_t> ArrayView::CellAt(const QMouseEvent& event) const
{
    const int32_t c = sources_.cells.iCellWidth;
    if (c < 1)
        return {0, 0};
    const auto [x, y] = PixelUnder(*this, event);
    const Automaton& a = sources_.automaton;
    return {MouseToCell(x, c, EffectiveMaxHor(a)), MouseToCell(y, c, EffectiveMaxVer(a))};
}

void ArrayView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    const auto [x, y] = CellAt(*event);
    if (mouse_.leftPress)
        mouse_.leftPress(x, y);
}

void ArrayView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const auto [x, y] = CellAt(*event);
    if (event->button() == Qt::LeftButton) {
        const bool pressedHere = pressed_;
        pressed_ = false;
        if (mouse_.leftRelease)
            mouse_.leftRelease(x, y, pressedHere);
    } else if (event->button() == Qt::RightButton && mouse_.rightRelease) {
        mouse_.rightRelease(x, y);
    }
}

// The second press of a double click is not a press here: the release that follows sees no press
// in this window, as the window's old procedure left double clicks to the default handling.
void ArrayView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

} // namespace vellicor
