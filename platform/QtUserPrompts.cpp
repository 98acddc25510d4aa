#include "platform/QtUserPrompts.h"

#include "platform/TemplateDialog.h"
#include "resources/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace vellicor {

QtUserPrompts::QtUserPrompts(QWidget* owner) : owner_(owner) {}

void QtUserPrompts::SetOwner(QWidget* owner)
{
    owner_ = owner;
}

QWidget* QtUserPrompts::Parent() const
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return owner_.data();
}

int QtUserPrompts::MessageBox(std::string_view text, MessageStyle style)
{
    const bool retryCancel = style == MessageStyle::RetryCancelExclamation;
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageCaption.data(), kMessageCaption.size()),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    retryCancel ? QMessageBox::Retry | QMessageBox::Cancel : QMessageBox::Ok, Parent());
    box.setDefaultButton(retryCancel ? QMessageBox::Retry : QMessageBox::Ok);
    // Escape or the close box: Cancel for a question, OK for a notice.
    box.setEscapeButton(retryCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Retry:
        return kIdRetry;
    case QMessageBox::Cancel:
        return kIdCancel;
    default:
        return retryCancel ? kIdCancel : kIdOk;
    }
}

int QtUserPrompts::RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure)
{
    TemplateDialog window(dialog, OpensInFrench(dialog, iLanguage), procedure, *this, Parent());
    return window.Run();
}

} // namespace vellicor
