#include "platform/MainFrame.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <algorithm>

namespace vellicor {
namespace {

using enum MenuLanguage;
using Placed = std::vector<std::pair<int, int>>; // command id, depth of the menu holding it

// The items as the table places them: each with the number of popups open around it.
Placed ItemsOf(const MenuTable& table)
{
    Placed items;
    int depth = 0;
    for (const MenuEntry& entry : table.entries) {
        depth += entry.kind == MenuEntryKind::Popup ? 1 : entry.kind == MenuEntryKind::EndPopup ? -1 : 0;
        if (entry.kind == MenuEntryKind::Item) {
            items.emplace_back(entry.id, depth);
        }
    }
    return items;
}

// Chooses every item a person reaches by opening the menus, in reading order, and notes which
// command each one handed to the program.
void ChooseAll(const QList<QAction*>& actions, int depth, std::vector<int>& commands, Placed& chosen)
{
    for (QAction* action : actions) {
        if (action->menu() != nullptr) {
            ChooseAll(action->menu()->actions(), depth + 1, commands, chosen);
        } else if (!action->isSeparator()) {
            const std::size_t before = commands.size();
            action->trigger();
            ASSERT_EQ(before + 1, commands.size()) << action->text().toStdString();
            chosen.emplace_back(commands.back(), depth);
            EXPECT_EQ(FindAccelerator(ACCELERATORS_1, commands.back()) != nullptr, action->text().contains(QLatin1Char('\t')))
                << "the key column of " << action->text().toStdString();
        }
    }
}

std::vector<int> OnlyIn(const CommandMenuBar& bar, const CommandMenuBar& other)
{
    std::vector<int> ids = bar.ItemIds();
    std::erase_if(ids, [&](int id) { return other.Contains(id); });
    return ids;
}

struct MenuBars : ::testing::Test {
    MainFrame vellicor{MENU_VLR, MENU_VLR_FR, English};
    MainFrame quorrel{MENU_QRL_US, MENU_VLR_FR, English};
    std::vector<int> commands;

    MenuBars()
    {
        for (MainFrame* frame : {&vellicor, &quorrel}) {
            frame->SetCommandHandler([this](int id) { commands.push_back(id); });
        }
    }

    QAction* Item(MenuLanguage language, int id) { return vellicor.MenuBar(language).Item(id); }
};

TEST_F(MenuBars, EveryItemSitsWhereItsTableSaysAndHandsItsIdToTheProgram)
{
    for (CommandMenuBar* bar : {&vellicor.MenuBar(English), &vellicor.MenuBar(French), &quorrel.MenuBar(English)}) {
        Placed chosen;
        ChooseAll(bar->actions(), 0, commands, chosen);
        EXPECT_EQ(ItemsOf(bar->Table()), chosen) << bar->Table().name;
        for (const AcceleratorEntry& key : ACCELERATORS_1.entries) {
            const bool reached = std::ranges::count(chosen, key.command, &Placed::value_type::first) == 1;
            EXPECT_EQ(key.command != 115, reached) << bar->Table().name << ": only Until stable has a key alone";
        }
    }
}

TEST_F(MenuBars, TheEditionsAndLanguagesDifferOnlyWhereTheyShould)
{
    const CommandMenuBar& english = vellicor.MenuBar(English);
    const CommandMenuBar& french = vellicor.MenuBar(French);
    const CommandMenuBar& other = quorrel.MenuBar(English);
    // The Mosaic window and its copy, the presets 190 and 198, the samples, the language choice.
    EXPECT_EQ((std::vector<int>{133, 180, 190, 198, 230, 231, 232, 555, 556}), OnlyIn(english, other));
    std::vector<int> quorrelOnly{128, 140, 141, 142, 150, 410}; // Zoom, its factors, central symmetry
    for (int lifePattern = 420; lifePattern <= 448; ++lifePattern) {
        quorrelOnly.push_back(lifePattern);
    }
    EXPECT_EQ(quorrelOnly, OnlyIn(other, english));
    EXPECT_EQ(std::vector<int>{212}, OnlyIn(english, french));
    EXPECT_EQ(std::vector<int>{502}, OnlyIn(french, english));

    EXPECT_EQ(QStringLiteral("&Next\tCtrl+N"), english.Item(108)->text());
    EXPECT_EQ(QStringLiteral("&Suivant\tCtrl+N"), french.Item(108)->text());
    EXPECT_EQ(QStringLiteral("&Carré(3x3)\tCtrl+S"), french.Item(125)->text());
    EXPECT_EQ(QStringLiteral("Copie fenêtre de M&osaïque"), french.Item(133)->text());
}

// One menu state for both bars: a mark or a grayed item shows on both, survives a language
// switch, and changes only when the program says so, never by a click on the item.
TEST_F(MenuBars, OneMenuStateShowsOnBothBarsAndOnlyTheProgramChangesIt)
{
    vellicor.CheckMenuItem(161, true);
    vellicor.EnableMenuItem(134, false);
    vellicor.SetMenu(French);
    EXPECT_TRUE(vellicor.MenuBar(French).isVisibleTo(&vellicor));
    EXPECT_FALSE(vellicor.MenuBar(English).isVisibleTo(&vellicor));
    Item(French, 161)->trigger();
    Item(English, 160)->trigger();
    Item(French, 134)->trigger(); // grayed
    vellicor.SendCommand(134);    // the program's own path is not filtered by the menus
    EXPECT_EQ((std::vector<int>{161, 160, 134}), commands);
    for (const MenuLanguage language : {English, French}) {
        EXPECT_TRUE(Item(language, 161)->isChecked());
        EXPECT_FALSE(Item(language, 160)->isChecked());
        EXPECT_FALSE(Item(language, 134)->isEnabled());
        EXPECT_TRUE(Item(language, 133)->isEnabled());
    }
    vellicor.CheckMenuItem(161, false);
    vellicor.EnableMenuItem(134, true);
    EXPECT_FALSE(Item(English, 161)->isChecked()) << "the hidden bar follows too";
    EXPECT_TRUE(Item(English, 134)->isEnabled());

    // 212 is in the English bar alone, 502 in the French one, 999 in none: the state keeps them all.
    vellicor.CheckMenuItem(212, true);
    vellicor.CheckMenuItem(502, true);
    vellicor.EnableMenuItem(999, false);
    EXPECT_TRUE(Item(English, 212)->isChecked());
    EXPECT_TRUE(Item(French, 502)->isChecked());
    EXPECT_TRUE(IsMenuItemGrayed(vellicor.GetMenuState(), 999));
}

} // namespace
} // namespace vellicor
