#pragma once
// The three menu bars, as data. A table is a flat list read from top to bottom, the way a menu
// resource script is written: Popup opens a popup (its text is the popup's title), EndPopup closes
// the innermost one, and Item and Separator go into the popup that is open. Texts are UTF-8 and
// keep the '&' that marks the mnemonic. An item whose command also has a key in ACCELERATORS_1
// shows that key beside its text (showsAccelerator); the key itself comes from the accelerator
// table, so the two cannot disagree.

#include <cstdint>
#include <span>
#include <string_view>

namespace vellicor {

enum class MenuEntryKind : std::uint8_t { Item, Separator, Popup, EndPopup };

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Item;
    int id = 0; // command id of an Item, 0 otherwise
    std::string_view text;
    bool showsAccelerator = false;
};

struct MenuTable {
    std::string_view name;
    std::span<const MenuEntry> entries;
};

extern const MenuTable MENU_VLR;    // English, picture edition
extern const MenuTable MENU_VLR_FR; // French, both editions
extern const MenuTable MENU_QRL_US; // English, Quorrel edition

} // namespace vellicor
