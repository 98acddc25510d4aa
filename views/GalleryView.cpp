#include "views/GalleryView.h"

#include "engine/Rules.h"
#include "resources/ExplorerTexts.h"
#include "views/ArrayImage.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace vellicor {

namespace {

constexpr int kGap = 8;           // between places and around them
constexpr int kNameGap = 3;       // between a picture and its name, room for the selection frame
constexpr int kPlaceSide = 100;   // a place holds at least this much picture before the grid grows
const QColor kGround(0xC0, 0xC0, 0xC0);
const QColor kPending(0xB0, 0xB0, 0xB0);
const QColor kSelection(0x20, 0x50, 0xC0);

QString Text(const BilingualText& text, int32_t iLanguage)
{
    const std::string_view picked = PickText(text, iLanguage);
    return QString::fromUtf8(picked.data(), static_cast<qsizetype>(picked.size()));
}

QString Name(const RuleSet& rules) { return QString::fromStdString(RuleSetName(rules)); }

} // namespace

GalleryView::GalleryView(const uint32_t* crStateColor, const int32_t& iLanguage, QWidget* parent)
    : QWidget(parent), crStateColor_(crStateColor), iLanguage_(iLanguage)
{
    setObjectName(QStringLiteral("Gallery"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.0));
    setFont(small);
    setMinimumSize(kGalleryMinSide * (32 + kGap) + kGap, kGalleryMinSide * (32 + kGap + fontMetrics().height()) + kGap);
    Reset(pictureColumns_, pictureRows_);
}

void GalleryView::Reset(int pictureColumns, int pictureRows)
{
    pictureColumns_ = std::max(pictureColumns, 1);
    pictureRows_ = std::max(pictureRows, 1);
    slots_.assign(static_cast<size_t>(kGalleryMaxSide * kGalleryMaxSide), GallerySlot{});
    selected_.clear();
    Layout();
    update();
}

void GalleryView::SetResult(int slot, const RuleSet& rules, SlotMark mark, std::shared_ptr<const Automaton> last)
{
    if (slot < 0 || slot >= static_cast<int>(slots_.size()))
        return;
    FollowPalette();
    QImage picture = last ? RenderArrayImage(*last, crStateColor_) : QImage();
    slots_[static_cast<size_t>(slot)] = {true, rules, mark, std::move(last), std::move(picture)};
    if (slot < SlotCount())
        update(SlotRect(slot).adjusted(-kGap, -kGap, kGap, kGap + kNameGap + fontMetrics().height()));
}

int GalleryView::ReadyCount() const
{
    return static_cast<int>(
        std::count_if(slots_.begin(), slots_.begin() + SlotCount(), [](const GallerySlot& s) { return s.ready; }));
}

const GallerySlot& GalleryView::Slot(int slot) const { return slots_.at(static_cast<size_t>(slot)); }

const QImage& GalleryView::Picture(int slot)
{
    FollowPalette();
    return slots_.at(static_cast<size_t>(slot)).picture;
}

void GalleryView::FollowPalette()
{
    if (std::equal(palette_.begin(), palette_.end(), crStateColor_))
        return;
    std::copy(crStateColor_, crStateColor_ + kStateCount, palette_.begin());
    for (GallerySlot& s : slots_)
        if (s.last)
            s.picture = RenderArrayImage(*s.last, crStateColor_);
}

void GalleryView::Layout()
{
    const int textHeight = fontMetrics().height();
    auto fit = [](int room, int need) { return std::clamp(room / need, kGalleryMinSide, kGalleryMaxSide); };
    const int columns = fit(width() - kGap, kPlaceSide + kGap);
    const int rows = fit(height() - kGap, kPlaceSide + kGap + kNameGap + textHeight);
    cell_ = QSize((width() - kGap) / columns, (height() - kGap) / rows);
    // Whole pixels per cell while the array fits, so that cells stay crisp; a larger array is
    // shrunk to fit, keeping its proportions.
    const QSize room(std::max(cell_.width() - kGap, 1), std::max(cell_.height() - kGap - kNameGap - textHeight, 1));
    const QSize array(pictureColumns_, pictureRows_);
    const int scale = std::min(room.width() / array.width(), room.height() / array.height());
    picture_ = scale >= 1 ? array * scale : array.scaled(room, Qt::KeepAspectRatio);
    if (picture_.isEmpty())
        picture_ = QSize(1, 1);
    // The places close up around their pictures, and the grid sits in the middle of the window:
    // pictures that cannot grow by a whole factor leave an even margin, not wide gaps.
    const QSize compact(picture_.width() + 2 * kGap, picture_.height() + kGap + kNameGap + textHeight);
    cell_ = cell_.boundedTo(compact);
    origin_ = QPoint((width() - columns * cell_.width()) / 2, (height() - rows * cell_.height() + kGap) / 2);
    const bool changed = columns * rows != columns_ * rows_;
    columns_ = columns;
    rows_ = rows;
    if (changed && onGrid_)
        onGrid_(SlotCount());
}

QRect GalleryView::SlotRect(int slot) const
{
    const int column = slot % columns_;
    const int row = slot / columns_;
    const int left = origin_.x() + column * cell_.width() + (cell_.width() - picture_.width()) / 2;
    const int top = origin_.y() + row * cell_.height();
    return {left, top, picture_.width(), picture_.height()};
}

int GalleryView::SlotAt(QPoint point) const
{
    for (int slot = 0; slot < SlotCount(); ++slot)
        if (SlotRect(slot).adjusted(-kGap / 2, -kGap / 2, kGap / 2, fontMetrics().height() + kNameGap).contains(point))
            return slot;
    return -1;
}

void GalleryView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
}

void GalleryView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kGround);
    const int textHeight = fontMetrics().height();
    QFont dullFont = font();
    dullFont.setItalic(true);
    for (int slot = 0; slot < SlotCount(); ++slot) {
        const GallerySlot& s = slots_[static_cast<size_t>(slot)];
        const QRect r = SlotRect(slot);
        if (!event->rect().intersects(r.adjusted(-kGap, -kGap, kGap, kGap + kNameGap + textHeight)))
            continue;
        if (!s.ready) {
            painter.fillRect(r, kPending);
            continue;
        }
        const QImage& picture = Picture(slot);
        // Cells stay crisp when enlarged; a picture larger than its place is smoothed down.
        const bool smaller = r.width() < picture.width();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smaller);
        painter.drawImage(r, picture);
        if (std::find(selected_.begin(), selected_.end(), slot) != selected_.end()) {
            QPen pen(kSelection, 2);
            pen.setStyle(slot == Current() ? Qt::SolidLine : Qt::DashLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(-2, -2, 2, 2));
        }
        const bool marked = s.mark != SlotMark::None;
        QString name = Name(s.rules);
        if (marked)
            name = Text(s.mark == SlotMark::Noise ? kExplorerNoiseMark : kExplorerDullMark, iLanguage_) +
                   QStringLiteral(": ") + name;
        const QRect line(r.left() - kGap / 2, r.bottom() + kNameGap, r.width() + kGap, textHeight);
        painter.setFont(marked ? dullFont : font());
        painter.setPen(marked ? QColor(0x50, 0x50, 0x50) : Qt::black);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop,
                         painter.fontMetrics().elidedText(name, Qt::ElideRight, line.width()));
    }
}

void GalleryView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int slot = SlotAt(event->position().toPoint());
    const bool adding = (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) != 0;
    if (slot < 0 || !slots_[static_cast<size_t>(slot)].ready) {
        if (!adding)
            selected_.clear();
    } else if (adding) {
        const auto found = std::find(selected_.begin(), selected_.end(), slot);
        if (found != selected_.end())
            selected_.erase(found);
        else
            selected_.push_back(slot);
        if (selected_.size() > 2) // Cross takes two: the oldest goes
            selected_.erase(selected_.begin());
    } else {
        selected_ = {slot};
    }
    update();
    if (onSelection_)
        onSelection_();
}

void GalleryView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int slot = event->button() == Qt::LeftButton ? SlotAt(event->position().toPoint()) : -1;
    if (slot < 0 || !slots_[static_cast<size_t>(slot)].ready)
        return;
    selected_ = {slot};
    update();
    if (onSelection_)
        onSelection_();
    if (onActivate_)
        onActivate_(slot);
}

bool GalleryView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int slot = SlotAt(help->pos());
    if (slot < 0 || !slots_[static_cast<size_t>(slot)].ready) {
        QToolTip::showText(help->globalPos(), Text(kExplorerGalleryTip, iLanguage_), this);
        return true;
    }
    const GallerySlot& s = slots_[static_cast<size_t>(slot)];
    QString tip = Name(s.rules);
    if (s.mark != SlotMark::None)
        tip += QLatin1Char('\n') + Text(kExplorerDullTip, iLanguage_);
    QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

} // namespace vellicor
