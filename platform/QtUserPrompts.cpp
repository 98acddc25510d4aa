#include "platform/QtUserPrompts.h"

#include "platform/QtText.h"
#include "platform/TemplateDialog.h"
#include "resources/Messages.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace vellicor {

namespace {

// A pattern that matches whatever the case of the letters ("*.txt" lists A.TXT and b.Txt), and
// "*.*" for every file, as it always meant, names without a dot included.
QString CaseFreePattern(std::string_view pattern)
{
    if (pattern == "*.*")
        return QStringLiteral("*");
    QString free;
    for (const QChar c : FromUtf8(pattern)) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            free += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            free += c;
    }
    return free;
}

} // namespace

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
    // A window of its own (the Canvas, full screen perhaps) keeps its dialogs above it: under the
    // main window they would open behind it.
    if (QWidget* active = QApplication::activeWindow())
        return active;
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

std::optional<std::string> QtUserPrompts::ChooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog(Parent());
    // Qt's own dialog on every desktop: only there do the patterns below list names regardless
    // of case, and only there can the list show the old type names while matching with them.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool folder = request.kind == FileDialogRequest::Kind::Folder;
    dialog.setFileMode(save ? QFileDialog::AnyFile : folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    QStringList filters;
    // With the details hidden the list shows the text before the last parentheses, which hold
    // the patterns that match.
    for (const FileFilter& filter : request.filters)
        filters << FromUtf8(filter.label) + QStringLiteral(" (") + CaseFreePattern(filter.pattern) + QLatin1Char(')');
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
    if (!request.proposedName.empty())
        dialog.selectFile(QFile::decodeName(request.proposedName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

void QtUserPrompts::EditCustomColors(std::span<uint32_t, kCustomColorCount> colors)
{
    // The chooser shows its custom colours in two rows of eight, numbered down each column;
    // colour i goes to row i / 8, column i % 8, so the rows read in order as the Colors dialog's.
    constexpr int kRows = 2;
    constexpr int kColumns = static_cast<int>(kCustomColorCount) / kRows;
    const auto box = [](std::size_t i) { return static_cast<int>(i) % kColumns * kRows + static_cast<int>(i) / kColumns; };
    // Qt's own chooser: a desktop's native one may have no custom colours at all.
    for (std::size_t i = 0; i < kCustomColorCount; ++i)
        QColorDialog::setCustomColor(box(i), QColor(colors[i] & 0xFF, (colors[i] >> 8) & 0xFF, (colors[i] >> 16) & 0xFF));
    QColorDialog::getColor(QColor(0x80, 0x80, 0x80), Parent(), QString(), QColorDialog::DontUseNativeDialog);
    for (std::size_t i = 0; i < kCustomColorCount; ++i) {
        const QColor color = QColorDialog::customColor(box(i));
        colors[i] = static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
                    static_cast<uint32_t>(color.blue()) << 16;
    }
}

int QtUserPrompts::RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure)
{
    TemplateDialog window(dialog, OpensInFrench(dialog, iLanguage), procedure, *this, Parent());
    return window.Run();
}

} // namespace vellicor
