#include "platform/DialogUnits.h"
#include "platform/QtUserPrompts.h"
#include "platform/ScriptedPrompts.h"
#include "platform/TemplateDialog.h"
#include "resources/DialogTemplates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>

namespace vellicor {
namespace {

TEST(DialogInt, ReadsAsTheOldHelpersDid)
{
    struct Case {
        const char* text;
        bool isSigned;
        std::int32_t value;
        bool translated;
    };
    const Case cases[] = {
        {"12", true, 12, true},
        {"-3", true, -3, true},
        {"abc", true, 0, false},
        {"", true, 0, false},
        {"  42 ", true, 42, true},
        {"+7", true, 7, true},
        {"12abc", true, 0, false},
        {"1 2", true, 0, false},
        {"-", true, 0, false},
        {"--3", true, 0, false},
        {"- 3", true, 0, false},
        {"2147483647", true, 2147483647, true},
        {"-2147483648", true, INT32_MIN, true},
        {"2147483648", true, 0, false},
        {"99999999999999999999999", true, 0, false},
        {"-3", false, 0, false},
        {"4294967295", false, -1, true}, // the unsigned pattern, for callers comparing unsigned
        {"4294967296", false, 0, false},
    };
    for (const Case& c : cases) {
        bool translated = !c.translated;
        EXPECT_EQ(c.value, ParseDialogInt(c.text, c.isSigned, &translated)) << '"' << c.text << '"';
        EXPECT_EQ(c.translated, translated) << '"' << c.text << '"';
    }
    EXPECT_EQ("-1", FormatDialogInt(-1, true));
    EXPECT_EQ("4294967295", FormatDialogInt(-1, false));
}

// The real dialog's fields read like the old ones, in both twins.
TEST(TemplateDialog, FieldsReadAsNumbersInBothLanguages)
{
    ScriptedPrompts prompts;
    DialogProcedure procedure;
    for (const bool french : {false, true}) {
        TemplateDialog dialog(DIALOG_STEP, french, procedure, prompts);
        auto* field = qobject_cast<QLineEdit*>(dialog.Control(203));
        ASSERT_NE(nullptr, field);
        const std::array<std::pair<const char*, int>, 4> cases{{{"12", 12}, {"-3", -3}, {"abc", 0}, {"", 0}}};
        for (const auto& [text, value] : cases) {
            field->setText(QString::fromLatin1(text));
            bool translated = false;
            EXPECT_EQ(value, dialog.GetDlgItemInt(203, &translated)) << text;
            EXPECT_EQ(value != 0, translated) << text;
        }
        dialog.SetDlgItemInt(203, -250);
        EXPECT_EQ(QStringLiteral("-250"), field->text());
        EXPECT_EQ(0, dialog.GetDlgItemInt(999)) << "an id the template does not hold";
    }
}

TEST(TemplateDialog, TheTwinIsChosenEachTimeTheDialogOpens)
{
    QtUserPrompts prompts;
    CallbackProcedure procedure;
    std::vector<std::string> seen;
    procedure.init = [&](DialogControls& dialog) {
        auto& window = dynamic_cast<TemplateDialog&>(dialog);
        seen.push_back(window.windowTitle().toStdString() + " | " + window.objectName().toStdString() + " | " +
                       dialog.GetDlgItemText(kIdCancel));
        dialog.EndDialog(7); // ends before the modal loop starts
        return true;
    };
    EXPECT_EQ(7, prompts.RunDialog(DIALOG_CONTINUOUSUNTIL, 1, procedure));
    EXPECT_EQ(7, prompts.RunDialog(DIALOG_CONTINUOUSUNTIL, 0, procedure));
    EXPECT_EQ(7, prompts.RunDialog(DIALOG_CONTINUOUSUNTIL, 2, procedure));
    EXPECT_EQ(7, prompts.RunDialog(ABOUT_QRL, 0, procedure));
    EXPECT_EQ((std::vector<std::string>{
                  "Process / Continuous until | DIALOG_CONTINUOUSUNTIL | Cancel",
                  "Exécution / Continu jusqu' à | DIALOG_CONTINUOUSUNTIL_FR | Annuler",
                  "Exécution / Continu jusqu' à | DIALOG_CONTINUOUSUNTIL_FR | Annuler",
                  "About | ABOUT_QRL | ",
              }),
              seen);
}

TEST(TemplateDialog, TemplatesAreFoundByEitherName)
{
    EXPECT_EQ(&DIALOG_LEVEL, FindDialogTemplate("DIALOG_LEVEL").dialog);
    EXPECT_FALSE(FindDialogTemplate("DIALOG_LEVEL").french);
    EXPECT_EQ(&DIALOG_LEVEL, FindDialogTemplate("DIALOG_LEVEL_FR").dialog);
    EXPECT_TRUE(FindDialogTemplate("DIALOG_LEVEL_FR").french);
    EXPECT_EQ(nullptr, FindDialogTemplate("ABOUT_QRL_FR").dialog) << "an English-only template has no twin";
    EXPECT_EQ(nullptr, FindDialogTemplate("DIALOG_LEVELX_FR").dialog);
    EXPECT_EQ(nullptr, FindDialogTemplate("").dialog);
}

// Every text of every template fits its control in the font the tests run with (DejaVu Sans
// here), in both languages: nothing is clipped.
TEST(TemplateDialog, NoTextIsClipped)
{
    ScriptedPrompts prompts;
    DialogProcedure procedure;
    for (const DialogTemplate* dialogTemplate : {&DIALOG_LEVEL, &DIALOG_STEP, &DIALOG_CONTINUOUSUNTIL, &DIALOG_ABOUT, &ABOUT_QRL}) {
        for (const bool french : {false, true}) {
            TemplateDialog dialog(*dialogTemplate, french, procedure, prompts);
            const QRect client = dialog.rect();
            for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QString what = QString::fromStdString(TemplateName(*dialogTemplate, french)) + " " + child->objectName();
                EXPECT_TRUE(client.contains(child->geometry())) << what.toStdString();
                if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && !label->text().isEmpty()) {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << what.toStdString() << " " << label->text().toStdString();
                    EXPECT_LE(label->fontMetrics().height(), label->height()) << what.toStdString();
                }
                if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                    const int text = button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
                    EXPECT_LE(text + 12, button->width()) << what.toStdString();
                    EXPECT_LE(button->fontMetrics().height() + 6, button->height()) << what.toStdString();
                }
                if (auto* edit = qobject_cast<QLineEdit*>(child)) {
                    EXPECT_LE(edit->minimumSizeHint().height(), edit->height()) << what.toStdString();
                    EXPECT_LE(edit->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) + 8, edit->width())
                        << what.toStdString();
                }
            }
        }
    }
}

TEST(DialogUnits, ScaleWithTheFont)
{
    const DialogBaseUnits units{8, 16};
    EXPECT_EQ(QRect(20, 26, 100, 24), ToPixels(DialogRect{10, 13, 50, 12}, units));
    EXPECT_EQ(QSize(300, 112), ToPixels(DialogSize{150, 56}, units));
    EXPECT_EQ(QRect(0, 0, 1000000, 1000000), ToPixels(DialogRect{0, 0, INT32_MAX, INT32_MAX}, units))
        << "absurd template values are bounded, not overflowed";

    QFont small = QApplication::font();
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(20);
    EXPECT_LT(MeasureBaseUnits(small).x, MeasureBaseUnits(large).x);
    EXPECT_LT(MeasureBaseUnits(small).y, MeasureBaseUnits(large).y);
}

// The one test that runs a real modal loop: a polling timer plays the person.
TEST(TemplateDialog, ARealDialogIsAnsweredByAPollingTimer)
{
    QtUserPrompts prompts;
    int level = 37;
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
        if (id == kIdOk) {
            const int value = dialog.GetDlgItemInt(202);
            if (value > 1000) {
                dialog.MessageBox("too high", MessageStyle::OkExclamation); // the dialog stays open
                return;
            }
            level = value;
            dialog.EndDialog(1);
        } else if (id == kIdCancel) {
            dialog.EndDialog(0);
        }
    };

    // Each action is posted, not run inside the timer's slot: a message box opened from the
    // slot would wait for a timer that Qt does not fire again while its slot is running.
    int step = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
            QMetaObject::invokeMethod(box->button(QMessageBox::Ok), &QAbstractButton::click, Qt::QueuedConnection);
            return;
        }
        auto* dialog = qobject_cast<TemplateDialog*>(modal);
        if (dialog == nullptr || step > 1) {
            return;
        }
        auto* field = qobject_cast<QLineEdit*>(dialog->Control(202));
        if (step == 0) {
            focusedAndSelected = dialog->focusWidget() == field && field->selectedText() == QStringLiteral("37");
            step = 1;
            QMetaObject::invokeMethod(field, [field] {
                QTest::keyClicks(field, QStringLiteral("5000")); // replaces the selected text
                QTest::keyClick(field, Qt::Key_Return);          // Enter presses OK: refused
            }, Qt::QueuedConnection);
        } else if (messages.size() == 1) {
            step = 2;
            QMetaObject::invokeMethod(dialog, [dialog, field] {
                field->selectAll();
                QTest::keyClicks(field, QStringLiteral("120"));
                qobject_cast<QAbstractButton*>(dialog->Control(kIdOk))->click();
            }, Qt::QueuedConnection);
        }
    });
    poll.start();
    EXPECT_EQ(1, prompts.RunDialog(DIALOG_LEVEL, 1, procedure));
    poll.stop();
    EXPECT_TRUE(focusedAndSelected);
    EXPECT_EQ((std::vector<std::string>{"Message: too high"}), messages);
    EXPECT_EQ(120, level);
}

// The keys and the close box reach the procedure as commands; only EndDialog closes.
TEST(TemplateDialog, EscapeEnterAndTheCloseBoxAreCommandsOfTheProcedure)
{
    ScriptedPrompts prompts;
    std::vector<std::pair<int, int>> commands;
    CallbackProcedure procedure;
    procedure.command = [&](DialogControls&, int id, int notification) {
        if (notification == kButtonClicked) {
            commands.emplace_back(id, notification);
        }
    };
    TemplateDialog dialog(DIALOG_STEP, false, procedure, prompts);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.Control(203)->setFocus();
    QTest::keyClick(dialog.Control(203), Qt::Key_Return);
    QTest::keyClick(dialog.Control(203), Qt::Key_Escape);
    dialog.Control(kIdCancel)->setFocus();
    QTest::keyClick(dialog.Control(kIdCancel), Qt::Key_Return); // Enter on a focused button presses it
    QCloseEvent close;
    QApplication::sendEvent(&dialog, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(dialog.isVisible()) << "a procedure that ignores Cancel keeps its dialog";
    EXPECT_EQ((std::vector<std::pair<int, int>>{{kIdOk, 0}, {kIdCancel, 0}, {kIdCancel, 0}, {kIdCancel, 0}}), commands);
}

// Radio buttons, check boxes, scroll bars and swatches, on a template made for the test.
constexpr auto kControls = std::to_array<DialogControl>({
    {120, ControlKind::RadioButton, {5, 5, 80, 10}, SameText("Plain A"), std::nullopt, 0},
    {121, ControlKind::RadioButton, {5, 17, 80, 10}, SameText("Plain B"), std::nullopt, 0},
    {130, ControlKind::AutoRadioButton, {90, 5, 80, 10}, SameText("Auto A"), std::nullopt, 1},
    {131, ControlKind::AutoRadioButton, {90, 17, 80, 10}, SameText("Auto B"), std::nullopt, 1},
    {107, ControlKind::CheckBox, {5, 30, 80, 10}, SameText("Homogeneous"), std::nullopt, 0},
    {500, ControlKind::HorizontalScrollBar, {5, 45, 160, 10}, {}, std::nullopt, 0},
    {kIdStatic, ControlKind::GroupBox, {1, 1, 178, 60}, SameText("Group"), std::nullopt, 0},
});
constexpr DialogTemplate kButtons{"TEST_BUTTONS", SameText("Buttons"), {180, 70}, std::nullopt, kControls, false, true};

TEST(TemplateDialog, ButtonsAndScrollBarsFollowTheOldRules)
{
    ScriptedPrompts prompts;
    std::vector<std::string> events;
    CallbackProcedure procedure;
    procedure.command = [&](DialogControls&, int id, int) { events.push_back("command " + std::to_string(id)); };
    procedure.scroll = [&](DialogControls& dialog, int id, ScrollCode code, int position) {
        events.push_back("scroll " + std::to_string(static_cast<int>(code)) + " " + std::to_string(position));
        if (code == ScrollCode::LineRight) {
            dialog.SetScrollPos(id, dialog.GetScrollPos(id) + 10); // the procedure's own step
        }
    };
    TemplateDialog dialog(kButtons, false, procedure, prompts);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QWidget* plainB = dialog.Control(121);
    EXPECT_EQ(plainB, dialog.childAt(plainB->geometry().center())) << "the group box lies beneath its buttons";

    auto click = [&](int id) { qobject_cast<QAbstractButton*>(dialog.Control(id))->click(); };
    click(121);
    EXPECT_EQ(0, dialog.IsDlgButtonChecked(121)) << "a plain radio button waits for the procedure";
    dialog.CheckRadioButton(120, 121, 121);
    EXPECT_EQ(1, dialog.IsDlgButtonChecked(121));
    dialog.CheckRadioButton(120, 123, 124); // a mode beyond the buttons checks none
    EXPECT_EQ(0, dialog.IsDlgButtonChecked(120) + dialog.IsDlgButtonChecked(121));

    click(130);
    click(131);
    EXPECT_EQ(0, dialog.IsDlgButtonChecked(130));
    EXPECT_EQ(1, dialog.IsDlgButtonChecked(131));
    click(131);
    EXPECT_EQ(1, dialog.IsDlgButtonChecked(131)) << "clicking a checked automatic radio keeps it";

    click(107);
    EXPECT_EQ(1, dialog.IsDlgButtonChecked(107));
    dialog.CheckDlgButton(107, 0);
    EXPECT_EQ(0, dialog.IsDlgButtonChecked(107));

    dialog.SetScrollRange(500, 0, 255);
    dialog.SetScrollPos(500, 100);
    auto* bar = qobject_cast<QScrollBar*>(dialog.Control(500));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(110, dialog.GetScrollPos(500));
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(110, dialog.GetScrollPos(500)) << "the thumb goes only where the procedure puts it";
    dialog.SetScrollPos(500, 999);
    EXPECT_EQ(255, dialog.GetScrollPos(500));

    EXPECT_EQ((std::vector<std::string>{"command 121", "command 130", "command 131", "command 131", "command 107",
                                        "scroll 1 101", "scroll 2 100"}),
              events);
}

} // namespace
} // namespace vellicor

namespace vellicor {
namespace {

// Where the French twin places a control or sizes the dialog differently, it says so once.
constexpr auto kTwinControls = std::to_array<DialogControl>({
    {200, ControlKind::Edit, {101, 11, 30, 12}, {}, std::nullopt, 0},
    {kIdOk, ControlKind::DefaultButton, {82, 50, 50, 14}, SameText("OK"), DialogRect{89, 50, 50, 14}, 0},
});
constexpr DialogTemplate kTwin{"TEST_TWIN", {"Array parameters", "Paramètres de matrice"}, {152, 72}, DialogSize{165, 72},
                               kTwinControls, true, false};

TEST(TemplateDialog, TheFrenchTwinTakesItsOwnRectanglesAndSize)
{
    ScriptedPrompts prompts;
    DialogProcedure procedure;
    TemplateDialog english(kTwin, false, procedure, prompts);
    TemplateDialog french(kTwin, true, procedure, prompts);
    const DialogBaseUnits units = MeasureBaseUnits(english.font());
    EXPECT_EQ(ToPixels(DialogSize{152, 72}, units), english.size());
    EXPECT_EQ(ToPixels(DialogSize{165, 72}, units), french.size());
    EXPECT_EQ(ToPixels(DialogRect{82, 50, 50, 14}, units).x(), english.Control(kIdOk)->x());
    EXPECT_EQ(ToPixels(DialogRect{89, 50, 50, 14}, units).x(), french.Control(kIdOk)->x());
    EXPECT_EQ(english.Control(200)->geometry(), french.Control(200)->geometry());
    EXPECT_FALSE(english.InFrench());
    EXPECT_TRUE(french.InFrench());
    EXPECT_EQ(QStringLiteral("Paramètres de matrice"), french.windowTitle());
}

} // namespace
} // namespace vellicor

namespace vellicor {
namespace {

TEST(QtUserPrompts, MessageBoxesAreCaptionedMessageAndAnswerWithTheOldIds)
{
    QtUserPrompts prompts;
    std::vector<std::string> seen;
    // The answer to give to the next box: a button to click, or Escape when none.
    QMessageBox::StandardButton next = QMessageBox::Retry;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->property("answered").toBool()) {
            return;
        }
        box->setProperty("answered", true);
        std::string buttons;
        for (QAbstractButton* button : box->buttons()) {
            buttons += (QStringLiteral(" ") + button->text().remove(QLatin1Char('&'))).toStdString();
        }
        QString line = box->windowTitle() + (box->icon() == QMessageBox::Warning ? QStringLiteral(" !") : QStringLiteral(" ?"));
        seen.push_back(line.toStdString() + buttons);
        if (next == QMessageBox::NoButton) {
            QMetaObject::invokeMethod(box, [box] { QTest::keyClick(box, Qt::Key_Escape); }, Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(box->button(next), &QAbstractButton::click, Qt::QueuedConnection);
        }
    });
    poll.start();
    EXPECT_EQ(kIdRetry, prompts.MessageBox("limit", MessageStyle::RetryCancelExclamation));
    next = QMessageBox::NoButton;
    EXPECT_EQ(kIdCancel, prompts.MessageBox("limit", MessageStyle::RetryCancelExclamation));
    EXPECT_EQ(kIdOk, prompts.MessageBox("notice", MessageStyle::OkExclamation));
    poll.stop();
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("Message ! Retry Cancel", seen[0]);
    EXPECT_EQ("Message ! OK", seen[2]);
}

} // namespace
} // namespace vellicor
