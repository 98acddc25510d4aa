#include "views/InfoView.h"

#include "resources/InfoTexts.h"

#include <QPainter>
#include <QResizeEvent>

#include <cstdio>

namespace vellicor {

namespace {

constexpr int kLineCount = 15;
const QColor kInfoBackground(0xC0, 0xC0, 0xC0);

QString Value(int v) { return QString::asprintf("%5d ", v); }

QString Label(const BilingualText& text, int32_t iLanguage)
{
    const std::string_view picked = PickText(text, iLanguage);
    return QString::fromUtf8(picked.data(), static_cast<qsizetype>(picked.size()));
}

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
    QPainter painter(this);
    painter.fillRect(rect(), kInfoBackground);
    painter.setPen(Qt::black);
    const int step = lineStep_ < 0 ? height() / kLineCount : lineStep_;
    const int lineHeight = std::max(step, painter.fontMetrics().height());
    auto text = [&](int x, int line, const QString& s) {
        painter.drawText(QRect(x, line * step, width() + 200, lineHeight), Qt::AlignLeft | Qt::AlignTop, s);
    };
    const bool english = IsEnglish(iLanguage_);
    text(10, 0, Label(kInfoLevelLabel, iLanguage_));
    text(english ? 50 : 70, 0, Value(automaton_.iLevel));
    text(10, 1, Label(kInfoCountLabel, iLanguage_));
    text(english ? 50 : 70, 1, Value(CountLiveCells(automaton_)));
    text(10, 3, Label(kInfoChangesLabel, iLanguage_));
    text(70, 3, Value(automaton_.iChanges));
    text(10, 5, Label(kInfoAutomatonLabel, iLanguage_));
    for (int s = 0; s < 8; ++s) {
        text(10, 6 + s, Value(automaton_.iNumAuto[s]));
        text(80, 6 + s, Value(automaton_.iNumAuto[s + 8]));
    }
}

void InfoView::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (onDoubleClick_)
        onDoubleClick_();
}

} // namespace vellicor
