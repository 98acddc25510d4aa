#include "views/MultiBitmapView.h"

#include "views/ArrayImage.h"
#include "views/DevicePixels.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace vellicor {

namespace {

const QColor kSheetGround(Qt::white);

} // namespace

MultiBitmapView::MultiBitmapView(const Automaton& automaton, const uint32_t* crStateColor,
                                 std::function<void(int, int)> onResize, std::function<void()> onDoubleClick,
                                 QWidget* parent)
    : PictureView(parent), automaton_(automaton), crStateColor_(crStateColor), onResize_(std::move(onResize)),
      onDoubleClick_(std::move(onDoubleClick))
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the sheet covers the client
    setCursor(Qt::CrossCursor);
}

void MultiBitmapView::CoverClient()
{
    const QSize needed = sheet_.size().expandedTo(size());
    if (needed == sheet_.size() || needed.isEmpty())
        return;
    QImage grown(needed, QImage::Format_RGB32);
    grown.fill(kSheetGround);
    if (!sheet_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, sheet_);
    }
    sheet_ = std::move(grown);
}

void MultiBitmapView::TakeTile()
{
    CoverClient();
    const QImage tile = RenderArrayImage(automaton_, crStateColor_);
    // Positions are 32-bit and may be far off (a tile counter that never returns to 0): compared
    // in 64 bits before any drawing sees them.
    const int64_t x = automaton_.iTileX;
    const int64_t y = automaton_.iTileY;
    if (tile.isNull() || sheet_.isNull() || x >= sheet_.width() || y >= sheet_.height() || x + tile.width() <= 0 ||
        y + tile.height() <= 0)
        return;
    QPainter painter(&sheet_);
    painter.drawImage(static_cast<int>(x), static_cast<int>(y), tile);
}

QImage MultiBitmapView::Picture()
{
    CoverClient();
    return sheet_.copy(rect());
}

void MultiBitmapView::paintEvent(QPaintEvent* event)
{
    CoverClient();
    QPainter painter(this);
    const QRect dirty = event->rect();
    DrawPixels(painter, dirty.topLeft(), sheet_, dirty);
}

void MultiBitmapView::resizeEvent(QResizeEvent* event)
{
    CoverClient();
    if (onResize_)
        onResize_(width(), height());
    PictureView::resizeEvent(event);
}

void MultiBitmapView::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (onDoubleClick_)
        onDoubleClick_();
}

} // namespace vellicor
