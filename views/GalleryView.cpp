#include "views/GalleryView.h"

#include "engine/Rules.h"
#include "platform/QtText.h"
#include "resources/ExplorerTexts.h"
#include "views/ArrayImage.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
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

QString Name(const RuleSet& rules) { return QString::fromStdString(RuleSetName(rules)); }

} // namespace

GalleryView::GalleryView(const uint32_t* crStateColor, const int32_t& iLanguage, QWidget* parent)
    : QWidget(parent), crStateColor_(crStateColor), iLanguage_(iLanguage), hint_(&kExplorerGalleryTip)
{
    setObjectName(QStringLiteral("Gallery"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.0));
    setFont(small);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kGalleryMinSide * (32 + kGap) + kGap, kGalleryMinSide * (32 + kGap + fontMetrics().height()) + kGap);
    Reset(pictureColumns_, pictureRows_);
}

void GalleryView::Reset(int pictureColumns, int pictureRows)
{
    pictureColumns_ = std::max(pictureColumns, 1);
    pictureRows_ = std::max(pictureRows, 1);
    slots_.assign(static_cast<size_t>(std::max(kGalleryMaxSide * kGalleryMaxSide, placeCount_)), GallerySlot{});
    selected_.clear();
    Layout();
    update();
}

void GalleryView::SetPlaceCount(int count)
{
    placeCount_ = std::max(count, 0);
    Reset(pictureColumns_, pictureRows_);
}

void GalleryView::SetResult(int slot, const RuleSet& rules, SlotMark mark, std::shared_ptr<const Automaton> last)
{
    if (slot < 0 || slot >= static_cast<int>(slots_.size()))
        return;
    FollowPalette();
    QImage picture = last ? RenderArrayImage(*last, crStateColor_) : QImage();
    slots_[static_cast<size_t>(slot)] = {true, rules, mark, std::move(last), std::move(picture), Name(rules), {}, {}};
    if (slot < SlotCount())
        update(SlotRect(slot).adjusted(-kGap, -kGap, kGap, kGap + kNameGap + fontMetrics().height()));
}

void GalleryView::SetPicture(int slot, QString caption, QString tip, std::shared_ptr<const Automaton> last,
                             const GalleryPalette& palette)
{
    if (slot < 0 || slot >= static_cast<int>(slots_.size()))
        return;
    QImage picture = last ? RenderArrayImage(*last, palette.data()) : QImage();
    slots_[static_cast<size_t>(slot)] = {true,          RuleSet{},       SlotMark::None,          std::move(last),
                                         std::move(picture), std::move(caption), std::move(tip), palette};
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
        if (s.last && !s.palette)
            s.picture = RenderArrayImage(*s.last, crStateColor_);
}

void GalleryView::Layout()
{
    const int textHeight = fontMetrics().height();
    const int placeHeight = kPlaceSide + kGap + kNameGap + textHeight;
    auto fit = [](int room, int need) { return std::clamp(room / need, kGalleryMinSide, kGalleryMaxSide); };
    int columns = fit(width() - kGap, kPlaceSide + kGap);
    int rows = fit(height() - kGap, placeHeight);
    if (placeCount_ >= 0) {
        columns = std::max((width() - kGap) / (kPlaceSide + kGap), 1);
        rows = (placeCount_ + columns - 1) / columns;
        const int needed = rows * placeHeight + kGap;
        if (minimumHeight() != needed)
            setMinimumHeight(needed); // a scroll area around the gallery makes room for every row
    }
    cell_ = QSize((width() - kGap) / columns, placeCount_ >= 0 ? placeHeight : (height() - kGap) / rows);
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
    origin_ = QPoint((width() - columns * cell_.width()) / 2,
                     placeCount_ >= 0 ? kGap : (height() - rows * cell_.height() + kGap) / 2);
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
        // Cells stay crisp when enlarged; a picture larger than its place is smoothed down. A
        // picture of other proportions than the place's keeps its own, in the middle.
        QRect target(QPoint(0, 0), picture.size().scaled(r.size(), Qt::KeepAspectRatio));
        target.moveCenter(r.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, r.width() < picture.width());
        painter.drawImage(target.size() == r.size() ? r : target, picture);
        if (std::find(selected_.begin(), selected_.end(), slot) != selected_.end()) {
            QPen pen(kSelection, 2);
            pen.setStyle(slot == Current() ? Qt::SolidLine : Qt::DashLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(-2, -2, 2, 2));
        }
        const bool marked = s.mark != SlotMark::None;
        QString name = s.caption;
        if (marked)
            name = QtText(s.mark == SlotMark::Noise ? kExplorerNoiseMark : kExplorerDullMark, iLanguage_) +
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

void GalleryView::Choose(int slot)
{
    selected_ = {slot};
    update();
    // In a scroll area, the chosen place scrolls into view.
    const QRect place = SlotRect(slot).adjusted(-kGap, -kGap, kGap, kGap + kNameGap + fontMetrics().height());
    if (QWidget* viewport = parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(viewport->parentWidget()))
            area->ensureVisible(place.center().x(), place.center().y(), place.width() / 2, place.height() / 2);
    if (onSelection_)
        onSelection_();
}

void GalleryView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int slot = event->button() == Qt::LeftButton ? SlotAt(event->position().toPoint()) : -1;
    if (slot < 0 || !slots_[static_cast<size_t>(slot)].ready)
        return;
    Choose(slot);
    if (onActivate_)
        onActivate_(slot);
}

void GalleryView::keyPressEvent(QKeyEvent* event)
{
    const int current = Current();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (current >= 0 && slots_[static_cast<size_t>(current)].ready && onActivate_)
            onActivate_(current);
        return;
    }
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -columns_; break;
    case Qt::Key_Down: step = columns_; break;
    default: QWidget::keyPressEvent(event); return;
    }
    const int next = current < 0 ? 0 : current + step;
    if (next >= 0 && next < SlotCount() && slots_[static_cast<size_t>(next)].ready)
        Choose(next);
}

bool GalleryView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int slot = SlotAt(help->pos());
    if (slot < 0 || !slots_[static_cast<size_t>(slot)].ready) {
        QToolTip::showText(help->globalPos(), QtText(*hint_, iLanguage_), this);
        return true;
    }
    const GallerySlot& s = slots_[static_cast<size_t>(slot)];
    QString tip = s.tip.isEmpty() ? s.caption : s.tip;
    if (s.mark != SlotMark::None)
        tip += QLatin1Char('\n') + QtText(kExplorerDullTip, iLanguage_);
    QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

} // namespace vellicor
