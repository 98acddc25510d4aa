#pragma once
// A menu bar built from a menu table. Choosing an item hands its command id to one handler; the
// bar keeps no state of its own beyond what ApplyMenuState last gave it, so a click on a checked
// item does not toggle its mark (only the program's command, through the menu state, does).

#include "platform/MenuState.h"
#include "resources/Accelerators.h"
#include "resources/MenuTables.h"

#include <QMenuBar>

#include <functional>
#include <map>
#include <vector>

class QAction;

namespace vellicor {

class CommandMenuBar : public QMenuBar {
public:
    using ItemHandler = std::function<void(int)>;

    // The accelerator table supplies the key text shown beside the items that show one.
    CommandMenuBar(const MenuTable& table, const AcceleratorTable& accelerators, QWidget* parent = nullptr);

    void SetItemHandler(ItemHandler handler);
    const MenuTable& Table() const { return table_; }

    bool Contains(int id) const;
    QAction* Item(int id) const; // nullptr when the bar has no such item
    std::vector<int> ItemIds() const;

private:
    void Build(const AcceleratorTable& accelerators);
    void OnTriggered(QAction* action, int id);

    const MenuTable& table_;
    ItemHandler handler_;
    std::map<int, QAction*> items_;
};

// Shows the whole menu state on one bar: check marks and grayed items. Ids the bar does not hold
// are ignored; items without a state are unchecked and enabled.
void ApplyMenuState(const MenuState& state, CommandMenuBar& bar);

} // namespace vellicor
