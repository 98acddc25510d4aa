#include "testing/ScriptedPrompts.h"

#include <algorithm>

namespace vellicor {
namespace {

struct ControlState {
    const DialogControl* control = nullptr;
    std::string text;
    int checked = 0;
    bool enabled = true;
    int scrollMinimum = 0;
    int scrollMaximum = 0;
    int scrollPosition = 0;
};

// The controls of a template held in memory, with the few rules of the real controls that a
// procedure can observe.
class ScriptedDialog : public DialogControls {
public:
    ScriptedDialog(const DialogTemplate& dialog, bool french, DialogProcedure& procedure, UserPrompts& prompts,
                   std::vector<std::string>& problems)
        : template_(dialog), french_(french), procedure_(procedure), prompts_(prompts), problems_(problems)
    {
        for (const DialogControl& control : dialog.controls) {
            if (control.id != kIdStatic && !states_.contains(control.id)) {
                states_[control.id] = ControlState{&control, std::string(ControlText(control, french))};
            }
        }
    }

    int Run(const DialogAnswer* answer, PromptRecord& record)
    {
        if (procedure_.OnInitDialog(*this)) {
            FocusFirstTabStop();
        }
        for (const auto& [id, state] : states_) {
            record.textsAfterInit[id] = state.text;
            if (state.checked != 0) {
                record.checkedAfterInit.insert(id);
            }
        }
        record.focusAfterInit = focus_;
        record.selectedAfterInit = focus_ != 0 && selected_ == focus_;

        if (answer != nullptr) {
            for (const DialogAnswer::Action& action : answer->Actions()) {
                if (ended_) {
                    problems_.push_back(record.text + ": actions left after the dialog ended");
                    break;
                }
                Play(action, record.text);
            }
        }
        if (!ended_) {
            if (answer != nullptr) {
                problems_.push_back(record.text + ": still open when its answer ran out");
            }
            Notify(kIdCancel, kButtonClicked);
            if (!ended_) {
                problems_.push_back(record.text + ": ignored Cancel, ended with -1");
            }
        }
        for (const auto& [id, state] : states_) {
            record.textsAtEnd[id] = state.text;
            if (state.checked != 0) {
                record.checkedAtEnd.insert(id);
            }
        }
        return ended_ ? result_ : -1;
    }

    std::string GetDlgItemText(int id) const override
    {
        const ControlState* state = Find(id);
        return state != nullptr ? state->text : std::string();
    }

    void SetDlgItemText(int id, std::string_view text) override
    {
        if (ControlState* state = Find(id)) {
            state->text = text;
            if (state->control->kind == ControlKind::Edit) {
                Notify(id, kEditChange); // a program's write notifies like typing
            }
        }
    }

    void CheckDlgButton(int id, int checked) override
    {
        if (ControlState* state = Find(id); state != nullptr && IsCheckable(state->control->kind)) {
            state->checked = checked != 0 ? 1 : 0;
        }
    }

    int IsDlgButtonChecked(int id) const override
    {
        const ControlState* state = Find(id);
        return state != nullptr ? state->checked : 0;
    }

    void EnableDlgItem(int id, bool enabled) override
    {
        if (ControlState* state = Find(id)) {
            state->enabled = enabled;
        }
    }

    void SetFocus(int id) override
    {
        if (ControlState* state = Find(id); state != nullptr && TakesFocus(state->control->kind)) {
            MoveFocus(id);
        }
    }

    void SelectAllText(int id) override
    {
        if (ControlState* state = Find(id); state != nullptr && state->control->kind == ControlKind::Edit) {
            selected_ = id;
        }
    }

    void SetScrollRange(int id, int minimum, int maximum) override
    {
        if (ControlState* state = Find(id)) {
            state->scrollMinimum = std::min(minimum, maximum);
            state->scrollMaximum = std::max(minimum, maximum);
            state->scrollPosition = std::clamp(state->scrollPosition, state->scrollMinimum, state->scrollMaximum);
        }
    }

    void SetScrollPos(int id, int position) override
    {
        if (ControlState* state = Find(id)) {
            state->scrollPosition = std::clamp(position, state->scrollMinimum, state->scrollMaximum);
        }
    }

    int GetScrollPos(int id) const override
    {
        const ControlState* state = Find(id);
        return state != nullptr ? state->scrollPosition : 0;
    }

    void SetSwatchColor(int, int, int, int) override {}

    void EndDialog(int result) override
    {
        ended_ = true;
        result_ = result;
    }

    int MessageBox(std::string_view text, MessageStyle style) override { return prompts_.MessageBox(text, style); }
    const DialogTemplate& Template() const override { return template_; }
    bool InFrench() const override { return french_; }

private:
    static bool IsCheckable(ControlKind kind)
    {
        return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
               kind == ControlKind::AutoRadioButton;
    }

    static bool TakesFocus(ControlKind kind)
    {
        return kind == ControlKind::Edit || kind == ControlKind::Button || kind == ControlKind::DefaultButton ||
               IsCheckable(kind) || kind == ControlKind::HorizontalScrollBar;
    }

    ControlState* Find(int id)
    {
        const auto found = states_.find(id);
        return found == states_.end() ? nullptr : &found->second;
    }

    const ControlState* Find(int id) const
    {
        const auto found = states_.find(id);
        return found == states_.end() ? nullptr : &found->second;
    }

    void Notify(int id, int notification)
    {
        if (!ended_) {
            procedure_.OnCommand(*this, id, notification);
        }
    }

    void MoveFocus(int id)
    {
        if (focus_ == id) {
            return;
        }
        const int previous = focus_;
        focus_ = id;
        if (const ControlState* old = Find(previous); old != nullptr && old->control->kind == ControlKind::Edit) {
            Notify(previous, kEditKillFocus);
        }
        if (const ControlState* now = Find(id); now != nullptr && now->control->kind == ControlKind::Edit) {
            Notify(id, kEditSetFocus);
        }
    }

    void FocusFirstTabStop()
    {
        for (const DialogControl& control : template_.controls) {
            const ControlState* state = Find(control.id);
            if (state != nullptr && state->enabled && TakesFocus(control.kind)) {
                MoveFocus(control.id);
                if (control.kind == ControlKind::Edit) {
                    selected_ = control.id;
                }
                return;
            }
        }
    }

    void Play(const DialogAnswer::Action& action, const std::string& name)
    {
        // Cancel is also Escape, which needs no control of that id.
        if (action.kind == DialogAnswer::Action::Kind::Click && action.id == kIdCancel && Find(kIdCancel) == nullptr) {
            Notify(kIdCancel, kButtonClicked);
            return;
        }
        ControlState* state = Find(action.id);
        if (state == nullptr || !state->enabled) {
            problems_.push_back(name + ": no enabled control " + std::to_string(action.id));
            return;
        }
        const ControlKind kind = state->control->kind;
        switch (action.kind) {
        case DialogAnswer::Action::Kind::Type:
            if (kind != ControlKind::Edit) {
                problems_.push_back(name + ": control " + std::to_string(action.id) + " is not an edit field");
                return;
            }
            MoveFocus(action.id);
            SetDlgItemText(action.id, action.text);
            return;
        case DialogAnswer::Action::Kind::Click:
            if (TakesFocus(kind)) {
                MoveFocus(action.id);
            }
            if (kind == ControlKind::CheckBox) {
                state->checked = state->checked != 0 ? 0 : 1;
            } else if (kind == ControlKind::AutoRadioButton) {
                for (auto& [id, other] : states_) {
                    if (other.control->kind == ControlKind::AutoRadioButton &&
                        other.control->group == state->control->group) {
                        other.checked = id == action.id ? 1 : 0;
                    }
                }
            }
            Notify(action.id, kButtonClicked);
            return;
        case DialogAnswer::Action::Kind::Scroll:
            if (kind != ControlKind::HorizontalScrollBar) {
                problems_.push_back(name + ": control " + std::to_string(action.id) + " is not a scroll bar");
                return;
            }
            if (!ended_) {
                procedure_.OnScroll(*this, action.id, action.code, action.position);
            }
            return;
        }
    }

    const DialogTemplate& template_;
    const bool french_;
    DialogProcedure& procedure_;
    UserPrompts& prompts_;
    std::vector<std::string>& problems_;
    std::map<int, ControlState> states_;
    int focus_ = 0;
    int selected_ = 0;
    bool ended_ = false;
    int result_ = -1;
};

} // namespace

DialogAnswer& DialogAnswer::Type(int id, std::string text)
{
    actions_.push_back({Action::Kind::Type, id, std::move(text)});
    return *this;
}

DialogAnswer& DialogAnswer::Click(int id)
{
    actions_.push_back({Action::Kind::Click, id, {}});
    return *this;
}

DialogAnswer& DialogAnswer::Scroll(int id, ScrollCode code, int position)
{
    actions_.push_back({Action::Kind::Scroll, id, {}, code, position});
    return *this;
}

void ScriptedPrompts::QueueMessageAnswer(int answer)
{
    queue_.emplace_back(answer);
}

void ScriptedPrompts::QueueDialogAnswer(DialogAnswer answer)
{
    queue_.emplace_back(std::move(answer));
}

void ScriptedPrompts::QueueFileAnswer(std::optional<std::string> path)
{
    queue_.emplace_back(FileAnswer{std::move(path)});
}

void ScriptedPrompts::QueueColorAnswer(std::map<std::size_t, uint32_t> changedBoxes)
{
    queue_.emplace_back(ColorAnswer{std::move(changedBoxes)});
}

int ScriptedPrompts::MessageBox(std::string_view text, MessageStyle style)
{
    PromptRecord record;
    record.kind = PromptRecord::Kind::Message;
    record.text = text;
    record.style = style;
    const int unanswered = style == MessageStyle::RetryCancelExclamation ? kIdCancel : kIdOk;
    record.answer = unanswered;
    if (!queue_.empty() && std::holds_alternative<int>(queue_.front())) {
        const int answer = std::get<int>(queue_.front());
        queue_.pop_front();
        const bool fits = style == MessageStyle::RetryCancelExclamation ? answer == kIdRetry || answer == kIdCancel
                                                                          : answer == kIdOk;
        if (fits) {
            record.answer = answer;
        } else {
            problems_.push_back("message box given the answer " + std::to_string(answer) + ": " + record.text);
        }
    } else {
        problems_.push_back(std::string(queue_.empty() ? "no answer queued" : "another kind of answer queued") +
                            " for the message box: " + record.text);
    }
    log_.push_back(record);
    return record.answer;
}

int ScriptedPrompts::RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure)
{
    const bool french = OpensInFrench(dialog, iLanguage);
    // The record is filled while the dialog runs, and the procedure may ask further prompts, so
    // its place in the log is kept before they are written after it.
    const std::size_t index = log_.size();
    PromptRecord opened;
    opened.kind = PromptRecord::Kind::Dialog;
    opened.text = TemplateName(dialog, french);
    log_.push_back(std::move(opened));

    std::optional<DialogAnswer> answer;
    if (!queue_.empty() && std::holds_alternative<DialogAnswer>(queue_.front())) {
        answer = std::move(std::get<DialogAnswer>(queue_.front()));
        queue_.pop_front();
    } else {
        problems_.push_back(std::string(queue_.empty() ? "no answer queued" : "another kind of answer queued") +
                            " for the dialog " + log_[index].text);
    }
    PromptRecord record = log_[index];
    ScriptedDialog scripted(dialog, french, procedure, *this, problems_);
    record.answer = scripted.Run(answer ? &*answer : nullptr, record);
    log_[index] = std::move(record);
    return log_[index].answer;
}

std::optional<std::string> ScriptedPrompts::ChooseFile(const FileDialogRequest& request)
{
    PromptRecord record;
    record.kind = PromptRecord::Kind::File;
    record.text = request.proposedName;
    std::optional<std::string> path;
    if (!queue_.empty() && std::holds_alternative<FileAnswer>(queue_.front())) {
        path = std::move(std::get<FileAnswer>(queue_.front()).path);
        queue_.pop_front();
    } else {
        problems_.push_back(std::string(queue_.empty() ? "no answer queued" : "another kind of answer queued") +
                            " for the file dialog proposing \"" + record.text + "\"");
    }
    record.answer = path ? kIdOk : kIdCancel;
    log_.push_back(std::move(record));
    return path;
}

void ScriptedPrompts::EditCustomColors(std::span<uint32_t, kCustomColorCount> colors)
{
    PromptRecord record;
    record.kind = PromptRecord::Kind::Colors;
    if (!queue_.empty() && std::holds_alternative<ColorAnswer>(queue_.front())) {
        for (const auto& [box, color] : std::get<ColorAnswer>(queue_.front()).changedBoxes)
            if (box < kCustomColorCount)
                colors[box] = color;
        queue_.pop_front();
    } else {
        problems_.push_back(std::string(queue_.empty() ? "no answer queued" : "another kind of answer queued") +
                            " for the colour chooser");
    }
    log_.push_back(std::move(record));
}

} // namespace vellicor
