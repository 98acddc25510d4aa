#include "platform/TemplateDialog.h"

#include "platform/DialogUnits.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <optional>

namespace vellicor {
namespace {

// A radio button that never changes its own mark: the dialog decides, after the click, whether
// the button is a plain one (the procedure sets the marks) or an automatic one.
class DialogRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

// An empty rectangle the procedure colours; until then it shows the dialog's background.
class Swatch : public QWidget {
public:
    using QWidget::QWidget;

    void SetColor(const QColor& color)
    {
        color_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!color_.isValid()) {
            return;
        }
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.setBrush(color_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor color_;
};

bool IsPushButton(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton;
}

ScrollCode ToScrollCode(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollCode::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollCode::LineRight;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollCode::PageLeft;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollCode::PageRight;
    case QAbstractSlider::SliderToMinimum:
        return ScrollCode::Left;
    case QAbstractSlider::SliderToMaximum:
        return ScrollCode::Right;
    default:
        return ScrollCode::ThumbTrack;
    }
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, bool french, DialogProcedure& procedure,
                               UserPrompts& prompts, QWidget* owner)
    : QDialog(owner), template_(dialog), french_(french), procedure_(procedure), prompts_(prompts)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialog.hasSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);
    setWindowTitle(FromUtf8(TemplateTitle(dialog, french)));
    setObjectName(QString::fromStdString(TemplateName(dialog, french)));
    Build();
}

void TemplateDialog::Build()
{
    const DialogBaseUnits units = MeasureBaseUnits(font());
    setFixedSize(ToPixels(TemplateSize(template_, french_), units));

    std::vector<QWidget*> frames;
    std::vector<std::pair<QLabel*, std::size_t>> labelsWithMnemonic;
    for (std::size_t i = 0; i < template_.controls.size(); ++i) {
        const DialogControl& control = template_.controls[i];
        QWidget* widget = CreateControl(control);
        QRect place = ToPixels(ControlRect(control, french_), units);
        if (control.kind == ControlKind::Edit || IsPushButton(control.kind)) {
            // A field or button too low for its frame and text grows about its middle, so it
            // stays on the line of its label.
            const int needed = widget->minimumSizeHint().height();
            if (place.height() < needed) {
                place.adjust(0, -(needed - place.height()) / 2, 0, 0);
                place.setHeight(needed);
            }
        }
        widget->setGeometry(place);
        if (control.id != kIdStatic) {
            widget->setObjectName(QStringLiteral("control-%1").arg(control.id));
            controls_.emplace(control.id, widget); // the first control of an id is the one addressed
        }
        if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::EtchedFrame) {
            frames.push_back(widget);
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->text().contains(QLatin1Char('&'))) {
            labelsWithMnemonic.emplace_back(label, i);
        }
    }
    // A frame drawn around controls must not catch their clicks.
    for (QWidget* frame : frames) {
        frame->lower();
    }
    // A label's mnemonic moves the focus to the next control that takes it, as it always did.
    for (const auto& [label, index] : labelsWithMnemonic) {
        for (std::size_t next = index + 1; next < template_.controls.size(); ++next) {
            const auto found = controls_.find(template_.controls[next].id);
            if (found != controls_.end() && found->second->focusPolicy() != Qt::NoFocus) {
                label->setBuddy(found->second);
                break;
            }
        }
    }
    for (const DialogControl& control : template_.controls) {
        const auto found = controls_.find(control.id);
        if (found != controls_.end()) {
            ConnectNotifications(control, found->second);
        }
    }
}

QWidget* TemplateDialog::CreateControl(const DialogControl& control)
{
    const QString text = FromUtf8(ControlText(control, french_));
    switch (control.kind) {
    case ControlKind::Text:
    case ControlKind::CenteredText:
    case ControlKind::RightText: {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        const Qt::Alignment horizontal = control.kind == ControlKind::Text           ? Qt::AlignLeft
                                         : control.kind == ControlKind::CenteredText ? Qt::AlignHCenter
                                                                                     : Qt::AlignRight;
        label->setAlignment(horizontal | Qt::AlignTop);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, this);
        edit->installEventFilter(this);
        editIds_.emplace(edit, control.id);
        return edit;
    }
    case ControlKind::Button:
    case ControlKind::DefaultButton: {
        auto* button = new QPushButton(text, this);
        // Enter is handled by the dialog itself (keyPressEvent), never by Qt's auto-default.
        button->setAutoDefault(false);
        button->setDefault(control.kind == ControlKind::DefaultButton);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, this);
    case ControlKind::RadioButton:
    case ControlKind::AutoRadioButton: {
        auto* radio = new DialogRadioButton(text, this);
        radio->setAutoExclusive(false);
        return radio;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::EtchedFrame: {
        auto* frame = new QFrame(this);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case ControlKind::Swatch:
        return new Swatch(this);
    case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setAlignment(Qt::AlignCenter);
        const QIcon programIcon = QApplication::windowIcon();
        if (!programIcon.isNull()) {
            icon->setPixmap(programIcon.pixmap(32, 32));
        }
        return icon;
    }
    case ControlKind::HorizontalScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(0, 0);
        bar->setFocusPolicy(Qt::StrongFocus); // a tab stop, moved by its keys (eventFilter)
        bar->installEventFilter(this);
        return bar;
    }
    }
    return new QWidget(this);
}

void TemplateDialog::ConnectNotifications(const DialogControl& control, QWidget* widget)
{
    const int id = control.id;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this, [this, id] { Notify(id, kEditChange); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, &control, button] { OnButtonClicked(control, button); });
    } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, id](int action) { OnScrollAction(id, action); });
        connect(bar, &QAbstractSlider::sliderReleased, this, [this, id, bar] {
            if (!ended_) {
                procedure_.OnScroll(*this, id, ScrollCode::ThumbPosition, bar->sliderPosition());
            }
            if (!ended_) {
                procedure_.OnScroll(*this, id, ScrollCode::EndScroll, bar->value());
            }
        });
    }
}

void TemplateDialog::OnButtonClicked(const DialogControl& control, QAbstractButton* button)
{
    if (control.kind == ControlKind::AutoRadioButton) {
        // Checks itself and clears the other automatic buttons of its group.
        for (const DialogControl& other : template_.controls) {
            if (other.kind == ControlKind::AutoRadioButton && other.group == control.group) {
                const auto found = controls_.find(other.id);
                if (found != controls_.end()) {
                    static_cast<QAbstractButton*>(found->second)->setChecked(found->second == button);
                }
            }
        }
    }
    Notify(control.id, kButtonClicked);
}

void TemplateDialog::OnScrollAction(int id, int action)
{
    auto* bar = qobject_cast<QScrollBar*>(Control(id));
    if (bar == nullptr) {
        return;
    }
    // Qt has already moved the thumb; it goes back, and the procedure moves it where it wants.
    const int proposed = bar->sliderPosition();
    bar->setSliderPosition(bar->value());
    if (!ended_) {
        procedure_.OnScroll(*this, id, ToScrollCode(action), proposed);
    }
}

void TemplateDialog::Notify(int id, int notification)
{
    // After EndDialog the procedure has said its last word; the focus changes of the closing
    // window are not its business.
    if (!ended_) {
        procedure_.OnCommand(*this, id, notification);
    }
}

int TemplateDialog::Run()
{
    if (procedure_.OnInitDialog(*this)) {
        FocusFirstTabStop();
    }
    if (!ended_) {
        running_ = true;
        exec();
        running_ = false;
    }
    return ended_ ? result_ : -1;
}

void TemplateDialog::FocusFirstTabStop()
{
    for (const DialogControl& control : template_.controls) {
        const auto found = controls_.find(control.id);
        if (found != controls_.end() && found->second->isEnabled() && (found->second->focusPolicy() & Qt::TabFocus)) {
            found->second->setFocus(Qt::TabFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(found->second)) {
                edit->selectAll();
            }
            return;
        }
    }
}

int TemplateDialog::DefaultButtonId() const
{
    for (const DialogControl& control : template_.controls) {
        if (control.kind == ControlKind::DefaultButton && controls_.contains(control.id)) {
            return control.id;
        }
    }
    return kIdOk;
}

QWidget* TemplateDialog::Control(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

std::string TemplateDialog::GetDlgItemText(int id) const
{
    QWidget* widget = Control(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        text = edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        text = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        text = group->title();
    }
    return text.toStdString();
}

void TemplateDialog::SetDlgItemText(int id, std::string_view text)
{
    QWidget* widget = Control(id);
    const QString value = FromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(value);
    }
}

void TemplateDialog::CheckDlgButton(int id, int checked)
{
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    if (button != nullptr && button->isCheckable()) {
        button->setChecked(checked != 0);
    }
}

int TemplateDialog::IsDlgButtonChecked(int id) const
{
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    return button != nullptr && button->isChecked() ? 1 : 0;
}

void TemplateDialog::EnableDlgItem(int id, bool enabled)
{
    if (QWidget* widget = Control(id)) {
        widget->setEnabled(enabled);
    }
}

void TemplateDialog::SetFocus(int id)
{
    if (QWidget* widget = Control(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void TemplateDialog::SelectAllText(int id)
{
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
        edit->selectAll();
    }
}

void TemplateDialog::SetScrollRange(int id, int minimum, int maximum)
{
    if (auto* bar = qobject_cast<QScrollBar*>(Control(id))) {
        bar->setRange(std::min(minimum, maximum), std::max(minimum, maximum));
    }
}

void TemplateDialog::SetScrollPos(int id, int position)
{
    if (auto* bar = qobject_cast<QScrollBar*>(Control(id))) {
        bar->setValue(position); // clamped to the range by the bar
    }
}

int TemplateDialog::GetScrollPos(int id) const
{
    auto* bar = qobject_cast<QScrollBar*>(Control(id));
    return bar != nullptr ? bar->value() : 0;
}

void TemplateDialog::SetSwatchColor(int id, int red, int green, int blue)
{
    if (auto* swatch = dynamic_cast<Swatch*>(Control(id))) {
        swatch->SetColor(QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)));
    }
}

void TemplateDialog::EndDialog(int result)
{
    ended_ = true;
    result_ = result;
    if (running_) {
        done(result);
    }
}

int TemplateDialog::MessageBox(std::string_view text, MessageStyle style)
{
    return prompts_.MessageBox(text, style);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        Notify(kIdCancel, kButtonClicked);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused push button is the one Enter presses; otherwise the default one, else OK.
        for (const auto& [id, widget] : controls_) {
            if (widget->hasFocus() && qobject_cast<QPushButton*>(widget) != nullptr) {
                Notify(id, kButtonClicked);
                return;
            }
        }
        Notify(DefaultButtonId(), kButtonClicked);
        return;
    }
    default:
        QDialog::keyPressEvent(event);
    }
}

void TemplateDialog::closeEvent(QCloseEvent* event)
{
    // The close box asks, as Cancel does; only EndDialog closes.
    event->ignore();
    Notify(kIdCancel, kButtonClicked);
}

void TemplateDialog::reject()
{
    Notify(kIdCancel, kButtonClicked);
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* bar = qobject_cast<QScrollBar*>(watched);
    if (bar != nullptr && event->type() == QEvent::KeyPress) {
        // The keys of the old scroll bar controls: Left, Up and Page Up toward the minimum,
        // Right, Down and Page Down toward the maximum, Home and End to the ends. (Qt's scroll
        // bar turns the arrows round.)
        std::optional<QAbstractSlider::SliderAction> action;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = QAbstractSlider::SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = QAbstractSlider::SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = QAbstractSlider::SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = QAbstractSlider::SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = QAbstractSlider::SliderToMinimum;
            break;
        case Qt::Key_End:
            action = QAbstractSlider::SliderToMaximum;
            break;
        default:
            break;
        }
        if (action) {
            bar->triggerAction(*action);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const auto found = editIds_.find(watched);
        if (found != editIds_.end()) {
            Notify(found->second, event->type() == QEvent::FocusIn ? kEditSetFocus : kEditKillFocus);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vellicor
