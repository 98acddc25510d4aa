#pragma once
// What a dialog template holds: its controls with their ids, kinds and rectangles in dialog
// units, and every text in English and French. One template describes a dialog and its French
// twin: the twin is named like the dialog with "_FR" appended, takes the French texts, and takes a
// French rectangle or size where the two differ (French texts are often longer). The twin is
// chosen each time the dialog opens, so a language switch applies to the next dialog.
//
// Dialog units are those of the old dialog templates: a quarter of the average character width
// horizontally and an eighth of the character height vertically, so a template keeps its
// proportions whatever font the dialog is shown in.

#include "resources/BilingualText.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellicor {

// Control ids with a fixed meaning; also the results of the message boxes.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdStatic = -1; // labels nobody addresses

enum class ControlKind : std::uint8_t {
    Text,                // static text, left-aligned; a '&' in it moves the focus to the next control
    CenteredText,        // static text, centred
    RightText,           // static text, right-aligned
    Edit,                // single-line bordered edit field
    Button,              // push button
    DefaultButton,       // the push button Enter presses
    CheckBox,            // a click toggles it, then notifies
    RadioButton,         // a click only notifies: the procedure sets the marks
    AutoRadioButton,     // a click checks it and clears the others of its group, then notifies
    GroupBox,            // frame with a title
    EtchedFrame,         // frame without a title
    Swatch,              // empty rectangle the procedure fills with a colour
    Icon,                // the program icon, at its own size
    HorizontalScrollBar, // the procedure moves the thumb
};

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogSize {
    int width = 0;
    int height = 0;
};

struct DialogControl {
    int id = kIdStatic;
    ControlKind kind = ControlKind::Text;
    DialogRect rect;
    BilingualText text;
    std::optional<DialogRect> frenchRect; // only where the French twin differs
    int group = 0;                        // AutoRadioButtons of one group exclude each other
};

struct DialogTemplate {
    std::string_view name;
    BilingualText title;
    DialogSize size;
    std::optional<DialogSize> frenchSize;
    std::span<const DialogControl> controls;
    bool hasFrenchTwin = true; // false: one template for both languages, always in English
    bool hasSystemMenu = false; // a close box, which acts as Cancel
};

// Whether the dialog opens as its French twin for this language.
constexpr bool OpensInFrench(const DialogTemplate& dialog, int iLanguage)
{
    return dialog.hasFrenchTwin && !IsEnglish(iLanguage);
}

inline std::string TemplateName(const DialogTemplate& dialog, bool french)
{
    std::string name(dialog.name);
    if (french) {
        name += "_FR";
    }
    return name;
}

constexpr std::string_view TemplateTitle(const DialogTemplate& dialog, bool french)
{
    return french ? dialog.title.french : dialog.title.english;
}

constexpr DialogSize TemplateSize(const DialogTemplate& dialog, bool french)
{
    return french && dialog.frenchSize ? *dialog.frenchSize : dialog.size;
}

constexpr std::string_view ControlText(const DialogControl& control, bool french)
{
    return french ? control.text.french : control.text.english;
}

constexpr DialogRect ControlRect(const DialogControl& control, bool french)
{
    return french && control.frenchRect ? *control.frenchRect : control.rect;
}

constexpr const DialogControl* FindControl(const DialogTemplate& dialog, int id)
{
    if (id == kIdStatic) {
        return nullptr; // many labels share it; none of them is addressed
    }
    for (const DialogControl& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace vellicor
