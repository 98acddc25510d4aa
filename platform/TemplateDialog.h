#pragma once
// A modal Qt dialog built from a template and driven by a dialog procedure. Controls are laid out
// from dialog units on the dialog's font and keep the old behaviours a procedure relies on: Enter
// presses the default button (or the focused push button, or OK), Escape and the close box press
// Cancel, a plain radio button only notifies, a scroll bar's thumb goes where the procedure puts
// it. Nothing closes the dialog but the procedure's EndDialog.

#include "platform/DialogControls.h"
#include "platform/UserPrompts.h"

#include <QDialog>

#include <map>

class QAbstractButton;

namespace vellicor {

class TemplateDialog : public QDialog, public DialogControls {
    Q_OBJECT

public:
    // Message boxes the procedure asks for go through prompts.
    TemplateDialog(const DialogTemplate& dialog, bool french, DialogProcedure& procedure, UserPrompts& prompts,
                   QWidget* owner = nullptr);

    // Runs the procedure's initialisation, then the modal loop; returns the EndDialog result, or
    // -1 when the loop ended without one.
    int Run();

    // The widget of a control, for tests and for procedures that need the Qt widget itself.
    QWidget* Control(int id) const;

    std::string GetDlgItemText(int id) const override;
    void SetDlgItemText(int id, std::string_view text) override;
    void CheckDlgButton(int id, int checked) override;
    int IsDlgButtonChecked(int id) const override;
    void EnableDlgItem(int id, bool enabled) override;
    void SetFocus(int id) override;
    void SelectAllText(int id) override;
    void SetScrollRange(int id, int minimum, int maximum) override;
    void SetScrollPos(int id, int position) override;
    int GetScrollPos(int id) const override;
    void SetSwatchColor(int id, int red, int green, int blue) override;
    void EndDialog(int result) override;
    int MessageBox(std::string_view text, MessageStyle style) override;
    const DialogTemplate& Template() const override { return template_; }
    bool InFrench() const override { return french_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void Build();
    QWidget* CreateControl(const DialogControl& control);
    void ConnectNotifications(const DialogControl& control, QWidget* widget);
    void OnButtonClicked(const DialogControl& control, QAbstractButton* button);
    void OnScrollAction(int id, int action);
    void Notify(int id, int notification);
    void FocusFirstTabStop();
    int DefaultButtonId() const;

    const DialogTemplate& template_;
    const bool french_;
    DialogProcedure& procedure_;
    UserPrompts& prompts_;
    std::map<int, QWidget*> controls_;
    std::map<QObject*, int> editIds_; // edit fields watched for their focus notifications
    bool ended_ = false;
    bool running_ = false;
    int result_ = -1;
};

} // namespace vellicor
