#pragma once
// Prompts answered from a queue, for tests: no window opens and no modal loop runs. Answers are
// taken in the order the program asks (a dialog, then the message box its procedure shows, ...).
// A dialog answer is a list of actions on the dialog's controls, by id, played after the
// procedure's initialisation: typing into a field, clicking a button. Everything asked is
// recorded; anything the script did not foresee is answered safely and listed in Problems():
//   - a message box with no answer queued gets kIdOk, or kIdCancel for a Retry/Cancel question,
//     so a Retry loop always ends;
//   - a dialog still open when its actions run out is sent Cancel, and if it stays open even
//     then, it ends with -1;
//   - a file dialog with no answer queued is cancelled;
//   - a colour chooser with no answer queued is closed with no custom colour changed.

#include "platform/UserPrompts.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace vellicor {

class DialogAnswer {
public:
    struct Action {
        enum class Kind { Type, Click, Scroll } kind = Kind::Click;
        int id = 0;
        std::string text;
        ScrollCode code = ScrollCode::EndScroll;
        int position = 0;
    };

    // Replaces the field's text, as typing over a selected text does; the procedure is told.
    DialogAnswer& Type(int id, std::string text);
    // A click: a push button notifies, a check box toggles, an automatic radio button checks
    // itself and clears its group, a plain one only notifies. Click(kIdCancel) is also Escape.
    DialogAnswer& Click(int id);
    DialogAnswer& Scroll(int id, ScrollCode code, int position);

    const std::vector<Action>& Actions() const { return actions_; }

private:
    std::vector<Action> actions_;
};

struct PromptRecord {
    enum class Kind { Message, Dialog, File, Colors } kind = Kind::Message;
    // The message, the name of the template opened ("DIALOG_STEP_FR"), or the name a file dialog
    // proposed.
    std::string text;
    MessageStyle style = MessageStyle::OkExclamation;
    int answer = 0;    // what the program got back
    // Dialogs: the controls' texts after the procedure's initialisation (ids other than the
    // anonymous labels), the control that then had the focus (0 for none) and whether its whole
    // text was selected; the check boxes and radio buttons then checked.
    std::map<int, std::string> textsAfterInit;
    int focusAfterInit = 0;
    bool selectedAfterInit = false;
    std::set<int> checkedAfterInit;
    std::map<int, std::string> textsAtEnd;
    std::set<int> checkedAtEnd;
};

class ScriptedPrompts : public UserPrompts {
public:
    void QueueMessageAnswer(int answer);
    void QueueDialogAnswer(DialogAnswer answer);
    // The path a file dialog returns; nothing is Cancel.
    void QueueFileAnswer(std::optional<std::string> path);
    // The custom colour boxes the person changes in the colour chooser, by index.
    void QueueColorAnswer(std::map<std::size_t, uint32_t> changedBoxes);

    int MessageBox(std::string_view text, MessageStyle style) override;
    int RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    void EditCustomColors(std::span<uint32_t, kCustomColorCount> colors) override;

    const std::vector<PromptRecord>& Log() const { return log_; }
    const std::vector<std::string>& Problems() const { return problems_; }
    std::size_t PendingAnswers() const { return queue_.size(); }

private:
    struct FileAnswer {
        std::optional<std::string> path;
    };
    struct ColorAnswer {
        std::map<std::size_t, uint32_t> changedBoxes;
    };
    std::deque<std::variant<int, DialogAnswer, FileAnswer, ColorAnswer>> queue_;
    std::vector<PromptRecord> log_;
    std::vector<std::string> problems_;
};

} // namespace vellicor
