#include "platform/MenuState.h"

namespace vellicor {

void CheckMenuItem(MenuState& state, int id, bool checked)
{
    state.items[id].checked = checked;
}

void EnableMenuItem(MenuState& state, int id, bool enabled)
{
    state.items[id].grayed = !enabled;
}

bool IsMenuItemChecked(const MenuState& state, int id)
{
    const auto found = state.items.find(id);
    return found != state.items.end() && found->second.checked;
}

bool IsMenuItemGrayed(const MenuState& state, int id)
{
    const auto found = state.items.find(id);
    return found != state.items.end() && found->second.grayed;
}

} // namespace vellicor
