#include "views/IconBarView.h"

#include "views/DevicePixels.h"

#include <QMouseEvent>
#include <QPainter>

namespace vellicor {

int IconBarCommandAt(int x)
{
    const unsigned index = static_cast<unsigned>(x) / kIconBarPitch;
    return index < kIconBarIconCount ? kIconBarFirstCommand + static_cast<int>(index) : 0;
}

IconBarView::IconBarView(std::function<void(int)> sendCommand, QWidget* parent)
    : QWidget(parent), sendCommand_(std::move(sendCommand))
{
    for (int i = 0; i < kIconBarIconCount; ++i)
        icons_[static_cast<std::size_t>(i)] = LoadIconResource(kIconBarIconNames[static_cast<std::size_t>(i)]);
    setAttribute(Qt::WA_OpaquePaintEvent); // the ground is painted with the icons
    setCursor(Qt::CrossCursor);
    // The window's old class name and title; it has no caption to show the title.
    setObjectName(QStringLiteral("IconBar"));
    setWindowTitle(QStringLiteral("IconBar"));
}

void IconBarView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(kIconBarGround));
    for (int i = 0; i < kIconBarIconCount; ++i)
        DrawPixels(painter, QPoint(kIconBarPitch * i + kIconBarMargin, 0), icons_[static_cast<std::size_t>(i)]);
}

// Every mouse event ends here: none of them is the main client's, where a release or a double
// click on the bare client edits or steps the array.
void IconBarView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !sendCommand_)
        return;
    const int command = IconBarCommandAt(PixelUnder(*this, *event).x());
    if (command != 0)
        sendCommand_(command);
}

void IconBarView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void IconBarView::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && sendCommand_)
        sendCommand_(kIconBarDoubleClickCommand);
}

} // namespace vellicor
