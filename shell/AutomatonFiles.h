#pragma once
// Automaton files in the program: "Open automaton..." (Ctrl+Shift+O) and "Save automaton as..."
// (Ctrl+Shift+S), window-wide keys like the explorer's and items of the icon bar's and the
// Informations window's context menus; a file dropped on any of the program's windows; the file
// named on the command line.
//
// Opening is one command of the person's, one undo step: the model takes everything the file
// holds, the geometry applies at once, every view repaints; VLR.INI is not touched until
// File / Save. A refused file leaves the program as it was and says why, naming the line.
//
// The title. The program keeps the titles of the file it opened last. Save proposes the title
// (in the program's language) as the file's name; a file saved under that name keeps the titles,
// one saved under another name takes the name as its title in both languages, so a picture is
// always titled as its file is called and nobody is asked twice. Author and notes stay.

#include "shell/settings/AutomatonFile.h"

#include <QObject>
#include <QStringList>

#include <optional>
#include <string>

class QMenu;
class QMimeData;

namespace vellicor {

class MainFrame;
class Program;
class UserPrompts;

class AutomatonFiles : public QObject {
public:
    // Watches every window of the program for dropped files from now on.
    AutomatonFiles(Program& program, Model& model, UserPrompts& prompts, MainFrame& frame);

    // The context menus' two items, in the language of the moment.
    void AppendActions(QMenu& menu);

    void Open();   // asks for the file
    void SaveAs(); // asks for the name
    // Opens the file as one step, or shows why not; false when it did not open (and while
    // another command runs or a modal window is open, when nothing can open).
    bool OpenFile(const std::string& path);
    // "vellicor FILE": the first argument after the program's name, if there is one.
    void OpenArguments(const QStringList& arguments);

    const AutomatonPicture& Picture() const { return picture_; }
    void ForgetPicture() { picture_ = {}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool CanOpen() const;
    std::optional<std::string> DroppedFile(const QMimeData* data) const;
    std::string Remember(const std::string& path);

    Program& program_;
    Model& model_;
    UserPrompts& prompts_;
    AutomatonPicture picture_;
    std::string lastFolder_;
};

} // namespace vellicor
