#pragma once
// A dialog as its procedure sees it: controls addressed by id, read and written as text, numbers,
// marks and thumb positions, and the means to end the dialog or to show a message box above it.
// The Qt dialog (TemplateDialog) and the scripted one of the tests (ScriptedPrompts) both offer
// it, so a procedure runs unchanged under either.
//
// An id the template does not hold reads as empty, unchecked and 0 and ignores writes, as the old
// dialog helpers did.

#include "platform/DialogInt.h"
#include "resources/DialogTemplate.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vellicor {

// The notification codes of the old controls, passed with a command.
inline constexpr int kButtonClicked = 0;   // push button, check box or radio button clicked
inline constexpr int kEditSetFocus = 0x100;
inline constexpr int kEditKillFocus = 0x200;
inline constexpr int kEditChange = 0x300; // the text changed, by typing or by the program

enum class MessageStyle {
    OkExclamation,          // refused input and data errors; answers kIdOk
    RetryCancelExclamation, // the iteration-limit questions; answers kIdRetry or kIdCancel
};

enum class ScrollCode {
    LineLeft,
    LineRight,
    PageLeft,
    PageRight,
    ThumbPosition, // the thumb was released at position
    ThumbTrack,    // the thumb is being dragged, now at position
    Left,
    Right,
    EndScroll,
};

class DialogControls {
public:
    virtual ~DialogControls() = default;

    virtual std::string GetDlgItemText(int id) const = 0;
    virtual void SetDlgItemText(int id, std::string_view text) = 0;

    // The number in a field; text that is not a number reads as 0 (see DialogInt.h).
    std::int32_t GetDlgItemInt(int id, bool* translated = nullptr, bool isSigned = true) const;
    void SetDlgItemInt(int id, std::int32_t value, bool isSigned = true);

    // Check boxes and radio buttons: 1 checked, 0 not.
    virtual void CheckDlgButton(int id, int checked) = 0;
    virtual int IsDlgButtonChecked(int id) const = 0;
    // Checks `check` and clears every other button with an id in first .. last.
    void CheckRadioButton(int first, int last, int check);

    virtual void EnableDlgItem(int id, bool enabled) = 0;
    virtual void SetFocus(int id) = 0;
    virtual void SelectAllText(int id) = 0; // the whole text of an edit field, so typing replaces it

    virtual void SetScrollRange(int id, int minimum, int maximum) = 0;
    virtual void SetScrollPos(int id, int position) = 0;
    virtual int GetScrollPos(int id) const = 0;

    // Fills a swatch with a colour.
    virtual void SetSwatchColor(int id, int red, int green, int blue) = 0;

    // The dialog closes with this result once the procedure has returned; the procedure may go
    // on working until then.
    virtual void EndDialog(int result) = 0;

    // A message box owned by this dialog, captioned "Message"; returns kIdOk, kIdRetry or kIdCancel.
    virtual int MessageBox(std::string_view text, MessageStyle style) = 0;

    virtual const DialogTemplate& Template() const = 0;
    virtual bool InFrench() const = 0; // whether the French twin is open
};

// The behaviour of one dialog: the program's ProcLevel, ProcStep, ... A command arrives for every
// button click (Escape, the close box and Enter arrive as the clicks of kIdCancel and of the
// default button), and for every notification of an edit field. Nothing ends the dialog unless
// the procedure calls EndDialog.
class DialogProcedure {
public:
    virtual ~DialogProcedure() = default;

    // Returns true to put the focus on the first control that takes it, false when the procedure
    // has placed the focus itself.
    virtual bool OnInitDialog(DialogControls& dialog);
    virtual void OnCommand(DialogControls& dialog, int id, int notification);
    virtual void OnScroll(DialogControls& dialog, int id, ScrollCode code, int position);
};

// A procedure made of callbacks, for small dialogs and tests; an empty callback does nothing.
class CallbackProcedure : public DialogProcedure {
public:
    std::function<bool(DialogControls&)> init;
    std::function<void(DialogControls&, int id, int notification)> command;
    std::function<void(DialogControls&, int id, ScrollCode code, int position)> scroll;

    bool OnInitDialog(DialogControls& dialog) override;
    void OnCommand(DialogControls& dialog, int id, int notification) override;
    void OnScroll(DialogControls& dialog, int id, ScrollCode code, int position) override;
};

} // namespace vellicor
