#include "platform/DialogUnits.h"
#include "platform/QtUserPrompts.h"
#include "testing/ScriptedPrompts.h"
#include "platform/TemplateDialog.h"
#include "resources/DialogTemplates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace vellicor {
namespace {

TEST(DialogInt, ReadsAsTheOldHelpersDid)
{
    // The text, whether the field is signed, the value read; 0 also means "not a number".
    const std::tuple<const char*, bool, std::int32_t> cases[] = {
        {"12", true, 12}, {"-3", true, -3}, {"  42 ", true, 42}, {"+7", true, 7}, {"abc", true, 0}, {"", true, 0},
        {"12abc", true, 0}, {"1 2", true, 0}, {"--3", true, 0}, {"- 3", true, 0},
        {"2147483647", true, INT32_MAX}, {"-2147483648", true, INT32_MIN}, {"2147483648", true, 0},
        {"99999999999999999999999", true, 0}, {"-3", false, 0}, {"4294967296", false, 0},
        {"4294967295", false, -1}, // the unsigned pattern, for callers comparing unsigned
    };
    for (const auto& [text, isSigned, value] : cases) {
        bool translated = value == 0;
        EXPECT_EQ(value, ParseDialogInt(text, isSigned, &translated)) << '"' << text << '"';
        EXPECT_EQ(value != 0, translated) << '"' << text << '"';
    }
    EXPECT_EQ("4294967295", FormatDialogInt(-1, false));
}

// A template made for the tests: a control of each kind the procedures address, and a French
// twin that places OK and sizes the dialog its own way.
constexpr auto kControls = std::to_array<DialogControl>({
    {120, ControlKind::RadioButton, {5, 5, 80, 10}, SameText("Plain A"), std::nullopt, 0},
    {121, ControlKind::RadioButton, {5, 17, 80, 10}, SameText("Plain B"), std::nullopt, 0},
    {130, ControlKind::AutoRadioButton, {90, 5, 80, 10}, SameText("Auto A"), std::nullopt, 1},
    {131, ControlKind::AutoRadioButton, {90, 17, 80, 10}, SameText("Auto B"), std::nullopt, 1},
    {107, ControlKind::CheckBox, {5, 30, 80, 10}, SameText("Homogeneous"), std::nullopt, 0},
    {500, ControlKind::HorizontalScrollBar, {5, 45, 160, 10}, {}, std::nullopt, 0},
    {kIdStatic, ControlKind::GroupBox, {1, 1, 178, 60}, SameText("Group"), std::nullopt, 0},
    {200, ControlKind::Edit, {5, 66, 60, 12}, {}, std::nullopt, 0},
    {kIdOk, ControlKind::DefaultButton, {70, 80, 50, 14}, SameText("OK"), DialogRect{80, 80, 50, 14}, 0},
    {kIdCancel, ControlKind::Button, {125, 80, 50, 14}, {"Cancel", "Annuler"}, std::nullopt, 0},
});
constexpr DialogTemplate kTest{"TEST", {"Test", "Essai"}, {180, 100}, DialogSize{190, 100}, kControls, true, true};

TEST(TemplateDialog, DialogUnitsFollowTheFontAndTheFrenchTwinTakesItsOwnPlaces)
{
    EXPECT_EQ(QRect(20, 26, 100, 24), ToPixels(DialogRect{10, 13, 50, 12}, DialogBaseUnits{8, 16}));
    EXPECT_EQ(QRect(0, 0, 1000000, 1000000), ToPixels(DialogRect{0, 0, INT32_MAX, INT32_MAX}, DialogBaseUnits{8, 16}));
    QFont small = QApplication::font(), large = small;
    small.setPixelSize(10);
    large.setPixelSize(20);
    EXPECT_LT(MeasureBaseUnits(small).x, MeasureBaseUnits(large).x);
    EXPECT_LT(MeasureBaseUnits(small).y, MeasureBaseUnits(large).y);

    ScriptedPrompts prompts;
    DialogProcedure procedure;
    TemplateDialog english(kTest, false, procedure, prompts);
    TemplateDialog french(kTest, true, procedure, prompts);
    const DialogBaseUnits units = MeasureBaseUnits(english.font());
    EXPECT_EQ(ToPixels(DialogSize{180, 100}, units), english.size());
    EXPECT_EQ(ToPixels(DialogSize{190, 100}, units), french.size());
    EXPECT_EQ(ToPixels(DialogRect{70, 80, 50, 14}, units).x(), english.Control(kIdOk)->x());
    EXPECT_EQ(ToPixels(DialogRect{80, 80, 50, 14}, units).x(), french.Control(kIdOk)->x());
    EXPECT_EQ(english.Control(200)->geometry(), french.Control(200)->geometry());
    EXPECT_EQ(QStringLiteral("Essai"), french.windowTitle());
    EXPECT_TRUE(OpensInFrench(kTest, 2)) << "every language but 1 is French";
    EXPECT_FALSE(OpensInFrench(kTest, 1));
    EXPECT_FALSE(OpensInFrench(ABOUT_QRL, 0)) << "an English-only dialog has no twin";
    EXPECT_EQ(0, french.GetDlgItemInt(999)) << "an id the template does not hold reads as 0";
}

// Every text of every template fits its control in the font the tests run with (DejaVu Sans
// here), in both languages: nothing is clipped.
TEST(TemplateDialog, NoTextIsClipped)
{
    ScriptedPrompts prompts;
    DialogProcedure procedure;
    for (const DialogTemplate* dialogTemplate :
         {&DIALOG_LEVEL, &DIALOG_STEP, &DIALOG_CONTINUOUSUNTIL, &DIALOG_ABOUT, &ABOUT_QRL, &DIALOG_COLORS}) {
        for (const bool french : {false, true}) {
            TemplateDialog dialog(*dialogTemplate, french, procedure, prompts);
            for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const std::string what = TemplateName(*dialogTemplate, french) + " " + child->objectName().toStdString();
                const QFontMetrics metrics = child->fontMetrics();
                EXPECT_TRUE(dialog.rect().contains(child->geometry())) << what;
                if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && !label->text().isEmpty()) {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << what << " " << label->text().toStdString();
                    EXPECT_LE(metrics.height(), label->height()) << what;
                } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                    EXPECT_LE(metrics.horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 12, button->width()) << what;
                    EXPECT_LE(metrics.height() + 6, button->height()) << what;
                } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
                    EXPECT_LE(edit->minimumSizeHint().height(), edit->height()) << what;
                    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("-2147483648")) + 8, edit->width()) << what;
                }
            }
        }
    }
}

// The one test that runs a real modal loop: a polling timer plays the person.
TEST(TemplateDialog, ARealDialogIsAnsweredByAPollingTimer)
{
    QtUserPrompts prompts;
    int level = 37;
    std::string opened;
    bool focusedAndSelected = false;
    std::vector<std::string> messages;
    CallbackProcedure procedure;
    procedure.init = [&](DialogControls& dialog) {
        dialog.SetDlgItemInt(202, level);
        dialog.SetFocus(202);
        dialog.SelectAllText(202);
        return false;
    };
    procedure.command = [&](DialogControls& dialog, int id, int) {
        if (id == kIdOk && dialog.GetDlgItemInt(202) > 1000) {
            dialog.MessageBox("too high", MessageStyle::OkExclamation); // the dialog stays open
        } else if (id == kIdOk) {
            level = dialog.GetDlgItemInt(202);
            dialog.EndDialog(1);
        }
    };

    // Each action is posted, not run inside the timer's slot: a message box opened from the
    // slot would wait for a timer that Qt does not fire again while its slot is running.
    int step = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
            QMetaObject::invokeMethod(box->button(QMessageBox::Ok), &QAbstractButton::click, Qt::QueuedConnection);
            return;
        }
        auto* dialog = qobject_cast<TemplateDialog*>(modal);
        if (dialog == nullptr || step > 1 || (step == 1 && messages.empty())) {
            return;
        }
        auto* field = qobject_cast<QLineEdit*>(dialog->Control(202));
        if (step++ == 0) {
            opened = dialog->objectName().toStdString();
            focusedAndSelected = dialog->focusWidget() == field && field->selectedText() == QStringLiteral("37");
            QMetaObject::invokeMethod(field, [field] {
                QTest::keyClicks(field, QStringLiteral("5000")); // replaces the selected text
                QTest::keyClick(field, Qt::Key_Return);          // Enter presses OK: refused
            }, Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(dialog, [dialog, field] {
                field->selectAll();
                QTest::keyClicks(field, QStringLiteral("120"));
                qobject_cast<QAbstractButton*>(dialog->Control(kIdOk))->click();
            }, Qt::QueuedConnection);
        }
    });
    poll.start(10);
    EXPECT_EQ(1, prompts.RunDialog(DIALOG_LEVEL, 2, procedure));
    poll.stop();
    EXPECT_EQ("DIALOG_LEVEL_FR", opened);
    EXPECT_TRUE(focusedAndSelected);
    EXPECT_EQ((std::vector<std::string>{"Message: too high"}), messages);
    EXPECT_EQ(120, level);
}

TEST(QtUserPrompts, MessageBoxesAnswerWithTheOldIdsAndEscapeCancels)
{
    QtUserPrompts prompts;
    QMessageBox::StandardButton next = QMessageBox::Retry; // NoButton: press Escape
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && !box->property("answered").toBool()) {
            box->setProperty("answered", true);
            QMetaObject::invokeMethod(box, [box, next] {
                next == QMessageBox::NoButton ? QTest::keyClick(box, Qt::Key_Escape) : box->button(next)->click();
            }, Qt::QueuedConnection);
        }
    });
    poll.start(10);
    EXPECT_EQ(kIdRetry, prompts.MessageBox("limit", MessageStyle::RetryCancelExclamation));
    next = QMessageBox::NoButton;
    EXPECT_EQ(kIdCancel, prompts.MessageBox("limit", MessageStyle::RetryCancelExclamation));
    EXPECT_EQ(kIdOk, prompts.MessageBox("notice", MessageStyle::OkExclamation));
    poll.stop();
}

// The procedure decides: Enter, Escape and the close box arrive as clicks and close nothing; a
// plain radio button waits for the procedure to mark it; a scroll bar's thumb goes only where
// the procedure puts it.
TEST(TemplateDialog, KeysMarksAndThumbsFollowTheOldRules)
{
    ScriptedPrompts prompts;
    std::vector<std::string> events;
    CallbackProcedure procedure;
    procedure.command = [&](DialogControls&, int id, int notification) {
        if (notification == kButtonClicked) {
            events.push_back("command " + std::to_string(id));
        }
    };
    procedure.scroll = [&](DialogControls& dialog, int id, ScrollCode code, int position) {
        events.push_back("scroll " + std::to_string(static_cast<int>(code)) + " " + std::to_string(position));
        if (code == ScrollCode::LineRight) {
            dialog.SetScrollPos(id, dialog.GetScrollPos(id) + 10); // the procedure's own step
        }
    };
    TemplateDialog dialog(kTest, false, procedure, prompts);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QWidget* plainB = dialog.Control(121);
    EXPECT_EQ(plainB, dialog.childAt(plainB->geometry().center())) << "the group box lies beneath its buttons";

    QTest::keyClick(dialog.Control(200), Qt::Key_Return);
    QTest::keyClick(dialog.Control(200), Qt::Key_Escape);
    dialog.Control(kIdCancel)->setFocus();
    QTest::keyClick(dialog.Control(kIdCancel), Qt::Key_Return); // Enter on a focused button presses it
    QCloseEvent close;
    QApplication::sendEvent(&dialog, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(dialog.isVisible()) << "a procedure that ignores Cancel keeps its dialog";

    for (const int id : {121, 130, 131, 131, 107}) {
        qobject_cast<QAbstractButton*>(dialog.Control(id))->click();
    }
    const auto marks = [&] {
        std::string text;
        for (const int id : {120, 121, 130, 131, 107}) {
            text += std::to_string(dialog.IsDlgButtonChecked(id));
        }
        return text;
    };
    EXPECT_EQ("00011", marks()) << "a checked automatic radio button stays checked";
    dialog.CheckRadioButton(120, 123, 121);
    EXPECT_EQ("01011", marks());
    dialog.CheckRadioButton(120, 123, 124); // a mode beyond the buttons checks none of them
    EXPECT_EQ("00011", marks());

    dialog.SetScrollRange(500, 0, 255);
    dialog.SetScrollPos(500, 100);
    auto* bar = qobject_cast<QScrollBar*>(dialog.Control(500));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(110, dialog.GetScrollPos(500));
    EXPECT_EQ((std::vector<std::string>{"command 1", "command 2", "command 2", "command 2", "command 121", "command 130",
                                        "command 131", "command 131", "command 107", "scroll 1 101", "scroll 2 100"}),
              events);
}

} // namespace
} // namespace vellicor
