#include "shell/AutomatonFiles.h"

#include "platform/MainFrame.h"
#include "platform/QtText.h"
#include "platform/UserPrompts.h"
#include "resources/AutomatonFileTexts.h"
#include "shell/Program.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <filesystem>

namespace vellicor {

namespace {

namespace fs = std::filesystem;

constexpr BilingualText kUntitledName{"automaton", "automate"};

std::span<const FileFilter> Filters(int32_t iLanguage)
{
    if (IsEnglish(iLanguage))
        return kAutomatonFileFiltersEnglish;
    return kAutomatonFileFiltersFrench;
}

// The title as a file name: no folder separator, no control character, never empty.
std::string NameOf(std::string_view title, int32_t iLanguage)
{
    std::string name(title);
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '/' || (c >= 0 && c < ' '); }, '-');
    return name.empty() || name == "." || name == ".." ? std::string(PickText(kUntitledName, iLanguage)) : name;
}

} // namespace

AutomatonFiles::AutomatonFiles(Program& program, Model& model, UserPrompts& prompts, MainFrame& frame)
    : program_(program), model_(model), prompts_(prompts)
{
    frame.AddKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { Open(); });
    frame.AddKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveAs(); });
    frame.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

void AutomatonFiles::AppendActions(QMenu& menu)
{
    const int32_t iLanguage = model_.settings.iLanguage;
    menu.addAction(QtText(kOpenAutomatonItem, iLanguage), [this] { Open(); });
    menu.addAction(QtText(kSaveAutomatonItem, iLanguage), [this] { SaveAs(); });
}

std::string AutomatonFiles::Remember(const std::string& path)
{
    lastFolder_ = fs::path(path).parent_path().string();
    return path;
}

void AutomatonFiles::Open()
{
    if (!CanOpen())
        return;
    const int32_t iLanguage = model_.settings.iLanguage;
    const std::optional<std::string> path = prompts_.ChooseFile(
        {FileDialogRequest::Kind::Open, Filters(iLanguage), kAutomatonFileExtension, lastFolder_});
    if (path)
        OpenFile(Remember(*path));
}

bool AutomatonFiles::CanOpen() const
{
    return !program_.Busy() && QApplication::activeModalWidget() == nullptr;
}

bool AutomatonFiles::OpenFile(const std::string& path)
{
    if (!CanOpen())
        return false;
    std::optional<AutomatonFileError> error;
    program_.RunAsOneStep([&] {
        error = ReadAutomatonFile(path, model_, picture_);
        if (!error)
            program_.ShowNewAutomaton();
    });
    if (error) {
        const std::string name = fs::path(path).filename().string();
        prompts_.MessageBox(name + "\n\n" + AutomatonFileErrorText(*error, model_.settings.iLanguage),
                            MessageStyle::OkExclamation);
    }
    return !error;
}

void AutomatonFiles::OpenArguments(const QStringList& arguments)
{
    if (arguments.size() > 1)
        OpenFile(QFile::encodeName(arguments.at(1)).toStdString());
}

void AutomatonFiles::SaveAs()
{
    if (!CanOpen())
        return;
    const int32_t iLanguage = model_.settings.iLanguage;
    const std::string proposedName = NameOf(IsEnglish(iLanguage) ? picture_.title : picture_.titre, iLanguage);
    std::string proposed = proposedName + "." + std::string(kAutomatonFileExtension);
    if (!lastFolder_.empty())
        proposed = (fs::path(lastFolder_) / proposed).string();
    const std::optional<std::string> path = prompts_.ChooseFile(
        {FileDialogRequest::Kind::Save, Filters(iLanguage), kAutomatonFileExtension, std::move(proposed)});
    if (!path)
        return;
    AutomatonPicture picture = picture_;
    if (const std::string stem = fs::path(*path).stem().string(); stem != proposedName)
        picture.title = picture.titre = stem;
    if (!WriteAutomatonFile(Remember(*path), model_, picture)) {
        prompts_.ShowMessage(kAutomatonWriteErrorMessage, iLanguage, MessageStyle::OkExclamation);
        return;
    }
    picture_ = std::move(picture);
}

std::optional<std::string> AutomatonFiles::DroppedFile(const QMimeData* data) const
{
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty() || !data->urls().front().isLocalFile())
        return std::nullopt;
    return QFile::encodeName(data->urls().front().toLocalFile()).toStdString();
}

bool AutomatonFiles::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Every window of the program takes files: the main window (and the views inside it)
        // from the start, the others (the help viewer) as they appear. Not dialogs and menus:
        // they belong to a command that is still running.
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget != nullptr && widget->isWindow() && !qobject_cast<QDialog*>(widget) &&
            widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip)
            widget->setAcceptDrops(true);
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!CanOpen() || !DroppedFile(drag->mimeData()))
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<std::string> path = DroppedFile(drop->mimeData());
        if (!CanOpen() || !path)
            return false;
        drop->acceptProposedAction();
        OpenFile(*path);
        return true;
    }
    default: return false;
    }
}

} // namespace vellicor
