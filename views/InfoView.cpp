#include "views/InfoView.h"

#include "platform/QtText.h"
#include "resources/InfoTexts.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cstdio>

namespace vellicor {

namespace {

constexpr int kLineCount = 15;
const QColor kInfoBackground(0xC0, 0xC0, 0xC0);

QString Value(int v) { return QString::asprintf("%5d ", v); }

// Line k of the window at (height / 15) * k, in black.
class Lines {
public:
    Lines(QPainter& painter, const QWidget& view, int step)
        : painter_(painter), step_(step), width_(view.width() + 200),
          height_(std::max(step, painter.fontMetrics().height()))
    {
        painter_.setPen(Qt::black);
    }
    void Text(int x, int line, const QString& text)
    {
        painter_.drawText(QRect(x, line * step_, width_, height_), Qt::AlignLeft | Qt::AlignTop, text);
    }

private:
    QPainter& painter_;
    int step_;
    int width_;
    int height_;
};

} // namespace

InfoView::InfoView(const Automaton& automaton, const int32_t& iLanguage, std::function<void()> onDoubleClick,
                   QWidget* parent)
    : QWidget(parent), automaton_(automaton), iLanguage_(iLanguage), onDoubleClick_(std::move(onDoubleClick))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

int InfoView::CountLiveCells(const Automaton& a)
{
    int count = 0;
    for (int x = 1; x <= EffectiveMaxHor(a) - 1; ++x)
        for (int y = 1; y <= EffectiveMaxVer(a) - 1; ++y)
            count += a.byArray[x][y] != 0 ? 1 : 0;
    return count;
}

std::string InfoView::InfoText(const Automaton& a)
{
    std::string text;
    const auto number = [&text](int32_t v) {
        char field[16];
        std::snprintf(field, sizeof field, "%5d ", v);
        text += field;
    };
    text += kInfoLevelLabel.english;
    number(a.iLevel);
    text += kInfoCountLabel.english;
    number(CountLiveCells(a));
    text += kInfoChangesLabel.english;
    number(a.iChanges);
    text += kInfoAutomatonLabel.english;
    for (int32_t mask : a.iNumAuto)
        number(mask);
    return text;
}

void InfoView::resizeEvent(QResizeEvent* event)
{
    // The lines keep the places they got when the window was made; a later resize leaves them.
    if (lineStep_ < 0)
        lineStep_ = event->size().height() / kLineCount;
    QWidget::resizeEvent(event);
}

void InfoView::paintEvent(QPaintEvent* /*event*/)
{
    // The labels and the rule numbers change far less often than the level and the counts, which
    // a continuous run repaints at every generation: they are drawn once into a kept picture.
    const bool english = IsEnglish(iLanguage_);
    const std::array<int32_t, kStateCount> rules = std::to_array(automaton_.iNumAuto);
    const qreal ratio = devicePixelRatioF();
    if (fixed_.size() != size() * ratio || fixed_.devicePixelRatio() != ratio || fixedRules_ != rules ||
        fixedLanguage_ != iLanguage_ || fixedFont_ != font()) {
        fixed_ = QImage(size() * ratio, QImage::Format_RGB32);
        fixed_.setDevicePixelRatio(ratio);
        fixed_.fill(kInfoBackground);
        fixedRules_ = rules;
        fixedLanguage_ = iLanguage_;
        fixedFont_ = font();
        QPainter painter(&fixed_);
        painter.setFont(font());
        Lines lines(painter, *this, LineStep());
        lines.Text(10, 0, QtText(kInfoLevelLabel, iLanguage_));
        lines.Text(10, 1, QtText(kInfoCountLabel, iLanguage_));
        lines.Text(10, 3, QtText(kInfoChangesLabel, iLanguage_));
        lines.Text(10, 5, QtText(kInfoAutomatonLabel, iLanguage_));
        for (int s = 0; s < 8; ++s) {
            lines.Text(10, 6 + s, Value(rules[s]));
            lines.Text(80, 6 + s, Value(rules[s + 8]));
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, fixed_);
    Lines lines(painter, *this, LineStep());
    lines.Text(english ? 50 : 70, 0, Value(automaton_.iLevel));
    lines.Text(english ? 50 : 70, 1, Value(CountLiveCells(automaton_)));
    lines.Text(70, 3, Value(automaton_.iChanges));
}

int InfoView::LineStep() const { return lineStep_ < 0 ? height() / kLineCount : lineStep_; }

void InfoView::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (onDoubleClick_)
        onDoubleClick_();
}

} // namespace vellicor
