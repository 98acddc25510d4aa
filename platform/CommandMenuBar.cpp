#include "platform/CommandMenuBar.h"

#include "platform/AcceleratorKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace vellicor {
namespace {

QString AcceleratorText(const AcceleratorEntry& entry)
{
    return QKeySequence(AcceleratorKey(entry)).toString(QKeySequence::NativeText);
}

} // namespace

CommandMenuBar::CommandMenuBar(const MenuTable& table, const AcceleratorTable& accelerators, QWidget* parent)
    : QMenuBar(parent), table_(table)
{
    // Both language bars must behave alike; a desktop-wide menu bar would take only one of them.
    setNativeMenuBar(false);
    Build(accelerators);
}

void CommandMenuBar::Build(const AcceleratorTable& accelerators)
{
    // The popup being filled; the bar itself is the outermost level. An EndPopup without a
    // matching Popup is ignored and popups left open at the end are simply closed, so a faulty
    // table gives a faulty menu, never a crash.
    std::vector<QMenu*> open;
    for (const MenuEntry& entry : table_.entries) {
        const QString text = QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
        switch (entry.kind) {
        case MenuEntryKind::Popup:
            open.push_back(open.empty() ? addMenu(text) : open.back()->addMenu(text));
            break;
        case MenuEntryKind::EndPopup:
            if (!open.empty()) {
                open.pop_back();
            }
            break;
        case MenuEntryKind::Separator:
            if (!open.empty()) {
                open.back()->addSeparator();
            }
            break;
        case MenuEntryKind::Item: {
            QString label = text;
            if (const AcceleratorEntry* key = entry.showsAccelerator ? FindAccelerator(accelerators, entry.id) : nullptr) {
                // A menu draws what follows a tab in its shortcut column. The key is not bound
                // here: the accelerators act through the main window, and a second binding on
                // the item would make every key ambiguous.
                label += QLatin1Char('\t') + AcceleratorText(*key);
            }
            QAction* action = open.empty() ? addAction(label) : open.back()->addAction(label);
            const int id = entry.id;
            connect(action, &QAction::triggered, this, [this, action, id] { OnTriggered(action, id); });
            items_.emplace(id, action);
            break;
        }
        }
    }
}

void CommandMenuBar::SetItemHandler(ItemHandler handler)
{
    handler_ = std::move(handler);
}

bool CommandMenuBar::Contains(int id) const
{
    return items_.contains(id);
}

QAction* CommandMenuBar::Item(int id) const
{
    const auto found = items_.find(id);
    return found == items_.end() ? nullptr : found->second;
}

std::vector<int> CommandMenuBar::ItemIds() const
{
    std::vector<int> ids;
    ids.reserve(items_.size());
    for (const auto& [id, action] : items_) {
        ids.push_back(id);
    }
    return ids;
}

void CommandMenuBar::OnTriggered(QAction* action, int id)
{
    // Qt flips a checkable item before it reports the trigger; the mark belongs to the menu
    // state, so it is put back before the command runs (and may change it).
    if (action->isCheckable()) {
        action->setChecked(!action->isChecked());
    }
    if (handler_) {
        handler_(id);
    }
}

void ApplyMenuState(const MenuState& state, CommandMenuBar& bar)
{
    for (const int id : bar.ItemIds()) {
        QAction* action = bar.Item(id);
        const bool checked = IsMenuItemChecked(state, id);
        // Only a checked item is checkable, so an unchecked one shows no empty box.
        action->setCheckable(checked);
        action->setChecked(checked);
        action->setEnabled(!IsMenuItemGrayed(state, id));
    }
}

} // namespace vellicor
