#pragma once
// The check mark and grayed state of every command id, kept once for all menu bars. The bars only
// show it (ApplyMenuState in CommandMenuBar.h), so a language switch, which installs the other
// bar, shows the same marks. An id that no bar holds may still have a state: the accelerator of a
// grayed command does nothing even when the command has no menu item.

#include <map>

namespace vellicor {

struct MenuItemState {
    bool checked = false;
    bool grayed = false;
};

struct MenuState {
    std::map<int, MenuItemState> items; // ids never touched are unchecked and enabled
};

void CheckMenuItem(MenuState& state, int id, bool checked);
void EnableMenuItem(MenuState& state, int id, bool enabled);
bool IsMenuItemChecked(const MenuState& state, int id);
bool IsMenuItemGrayed(const MenuState& state, int id);

} // namespace vellicor
