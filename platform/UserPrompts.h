#pragma once
// The one road by which the program asks the person anything: every message box and every modal
// dialog. The program holds a UserPrompts&; the real one (QtUserPrompts) shows Qt windows, the
// scripted one (ScriptedPrompts) answers from a queue, so a test never waits in a modal loop.

#include "platform/DialogControls.h"
#include "resources/BilingualText.h"
#include "resources/DialogTemplate.h"
#include "resources/FileFilter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellicor {

// What a file dialog asks for: a file to open (it must exist), a name to save under, or a folder
// (it must exist; the filters then only show which files it holds).
struct FileDialogRequest {
    enum class Kind { Open, Save, Folder } kind = Kind::Open;
    std::span<const FileFilter> filters; // the first is preselected
    std::string_view defaultExtension;   // added to a name typed without one
    std::string proposedName;            // shown at the start; empty for none
};

inline constexpr std::size_t kCustomColorCount = 16;

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A box captioned "Message" with an exclamation icon, above whatever modal window is open.
    // Returns kIdOk, or kIdRetry / kIdCancel.
    virtual int MessageBox(std::string_view text, MessageStyle style) = 0;

    // Opens the dialog modally, as its French twin unless iLanguage is 1, runs the procedure and
    // returns the result given to EndDialog, or -1 when the dialog could not be shown.
    virtual int RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure) = 0;

    // The path chosen (in the file system's encoding), or nothing when the person cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;

    // The platform's colour chooser, opened in full on grey. Its custom colours are `colors`
    // (red in bits 0-7, green 8-15, blue 16-23): what the person changes among them is written
    // back, whichever button closes the chooser. The colour chosen itself is not used.
    virtual void EditCustomColors(std::span<uint32_t, kCustomColorCount> colors) = 0;

    // The message in the language of iLanguage.
    int ShowMessage(const BilingualText& text, int iLanguage, MessageStyle style)
    {
        return MessageBox(PickText(text, iLanguage), style);
    }
};

} // namespace vellicor
