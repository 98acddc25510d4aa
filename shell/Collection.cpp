#include "shell/Collection.h"

#include "platform/QtText.h"
#include "resources/CollectionTexts.h"
#include "shell/SideWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>

namespace vellicor {

std::string ShippedCollectionFolder()
{
    const QString inShare = QStringLiteral("vellicor/collection");
    const QDir beside(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") + inShare);
    QString found = beside.exists() ? beside.canonicalPath() : QString();
    if (found.isEmpty())
        found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, inShare, QStandardPaths::LocateDirectory);
    return QFile::encodeName(found).toStdString();
}

Collection::Collection(const Model& model, UserPrompts& prompts, MainFrame& frame, CollectionWindow::OpenHandler open)
    : model_(model), prompts_(prompts), mainFrame_(frame), open_(std::move(open))
{
}

void Collection::Open()
{
    if (BringForward(mainFrame_, frame_))
        return;
    window_ = new CollectionWindow(model_, prompts_, ShippedCollectionFolder(), open_);
    frame_ = CreateSideWindow(mainFrame_, kCollectionTitle, model_.settings.iLanguage, window_);
    // Closing cancels at once; the window itself goes a moment later.
    frame_->SetDestroyedHandler([window = window_] {
        if (window)
            window->Stop();
    });
    window_->Filter().setFocus();
}

void Collection::AppendAction(QMenu& menu)
{
    menu.addAction(QtText(kCollectionMenuItem, model_.settings.iLanguage), [this] { Open(); });
}

void Collection::Retranslate()
{
    if (frame_)
        frame_->setWindowTitle(QtText(kCollectionTitle, model_.settings.iLanguage));
    if (window_)
        window_->Retranslate();
}

} // namespace vellicor
