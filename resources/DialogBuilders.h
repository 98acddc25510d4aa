#pragma once
// One builder per control statement of a dialog script, so a template reads like the script it
// stands for: Label({14, 15, 74, 8}, {"Horizontal maximum:", "Maximum horizontal:"}).

#include "resources/DialogTemplate.h"

namespace vellicor::dialog_builders {

inline constexpr BilingualText kOk = SameText("OK");
inline constexpr BilingualText kCancel{"Cancel", "Annuler"};

constexpr DialogControl Control(int id, ControlKind kind, DialogRect rect, BilingualText text = {})
{
    return {id, kind, rect, text, std::nullopt, 0};
}
constexpr DialogControl Label(DialogRect rect, BilingualText text)
{
    return Control(kIdStatic, ControlKind::Text, rect, text);
}
constexpr DialogControl CenteredLabel(DialogRect rect, BilingualText text)
{
    return Control(kIdStatic, ControlKind::CenteredText, rect, text);
}
constexpr DialogControl Field(int id, DialogRect rect)
{
    return Control(id, ControlKind::Edit, rect);
}
constexpr DialogControl PushButton(int id, DialogRect rect, BilingualText text)
{
    return Control(id, ControlKind::Button, rect, text);
}
constexpr DialogControl DefaultPushButton(int id, DialogRect rect, BilingualText text)
{
    return Control(id, ControlKind::DefaultButton, rect, text);
}
constexpr DialogControl CheckBox(int id, DialogRect rect, BilingualText text = {})
{
    return Control(id, ControlKind::CheckBox, rect, text);
}
constexpr DialogControl RadioButton(int id, DialogRect rect, BilingualText text)
{
    return Control(id, ControlKind::RadioButton, rect, text);
}
constexpr DialogControl Swatch(int id, DialogRect rect)
{
    return Control(id, ControlKind::Swatch, rect);
}

// The same control at another place in the French twin.
constexpr DialogControl InFrenchAt(DialogControl control, DialogRect frenchRect)
{
    control.frenchRect = frenchRect;
    return control;
}

} // namespace vellicor::dialog_builders
