#pragma once
// The prompts a person answers: Qt message boxes and template dialogs, each modal above the
// innermost modal window already open (a refusal inside a dialog sits above that dialog), else
// above the owner.

#include "platform/UserPrompts.h"

#include <QPointer>
#include <QWidget>

namespace vellicor {

class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* owner = nullptr);

    void SetOwner(QWidget* owner);

    int MessageBox(std::string_view text, MessageStyle style) override;
    int RunDialog(const DialogTemplate& dialog, int iLanguage, DialogProcedure& procedure) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    void EditCustomColors(std::span<uint32_t, kCustomColorCount> colors) override;

private:
    QWidget* Parent() const;

    QPointer<QWidget> owner_;
};

} // namespace vellicor
