#pragma once
// The Selection menu: Copy, Paste, 0-state, Increment, Decrement, the symmetries, and Load and
// Save of the selection files through the file dialogs. Load and Save share one file name: the
// name last chosen by either is proposed by the next. Cancel in a file dialog changes no cell and
// no file; it only takes the highlight of the point (Load) or of the rectangle (Save) off.

#include "content/Selection.h"
#include "platform/UserPrompts.h"
#include "shell/settings/Settings.h"

#include <optional>
#include <string>

namespace vellicor {

class ArrayWindow;
class MainFrame;
struct BilingualText;

class SelectionCommands {
public:
    SelectionCommands(Model& model, Selection& selection, UserPrompts& prompts, MainFrame& frame,
                      ArrayWindow& arrayWindow);

    // 401, 402, 404 .. 412; false for any other command.
    bool RunCommand(int command);

private:
    void Load();
    void Save();
    void Copy();
    void Paste();
    void ShowMessage(const BilingualText& text);
    std::optional<std::string> ChooseSelectionFile(FileDialogRequest::Kind kind);

    Model& model_;
    Selection& selection_;
    UserPrompts& prompts_;
    MainFrame& frame_;
    ArrayWindow& arrayWindow_;
    std::string szSelFileName_;
};

} // namespace vellicor
