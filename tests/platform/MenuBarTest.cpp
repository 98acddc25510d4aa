#include "platform/CommandMenuBar.h"
#include "platform/MainFrame.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace vellicor {
namespace {

// The bar as a person reads it: one line per entry, popups indented, each item with its command
// id, its text and the key shown in its shortcut column.
void DumpMenu(const QList<QAction*>& actions, const std::map<QAction*, int>& ids, int depth, std::string& out)
{
    for (QAction* action : actions) {
        out += std::string(2 * depth, ' ');
        if (action->isSeparator()) {
            out += "-\n";
        } else if (action->menu() != nullptr) {
            out += action->text().toStdString() + "\n";
            DumpMenu(action->menu()->actions(), ids, depth + 1, out);
        } else {
            const QStringList parts = action->text().split(QLatin1Char('\t'));
            const auto id = ids.find(action);
            out += std::to_string(id == ids.end() ? 0 : id->second) + " " + parts.front().toStdString();
            if (parts.size() > 1) {
                out += " [" + parts.back().toStdString() + "]";
            }
            out += "\n";
        }
    }
}

std::string Dump(const CommandMenuBar& bar)
{
    std::map<QAction*, int> ids;
    for (const int id : bar.ItemIds()) {
        ids.emplace(bar.Item(id), id);
    }
    std::string out;
    DumpMenu(bar.actions(), ids, 0, out);
    return out;
}

constexpr const char* kSpecialPatternsEnglish = R"(    123 &Cross(3x3)
    -
    305 Point(2x2)
    -
    125 &Square(3x3) [Ctrl+S]
    130 Large &square(4x4)
    -
    168 Sc&rew(8x8)
    306 Screw(7x7)
    -
    126 &Line(3x1)
    131 Long &line(4x1)
    -
    127 &Rhomb(3x3) [Ctrl+R]
    -
    129 &Hexagon(3x4) [Ctrl+H]
    -
    132 &Octogon(4x4) [Ctrl+O]
)";

const std::string kVlr = std::string(R"(&File
  101 &New
  102 &Save initialization file
  -
  104 &Quit [Ctrl+Q]
&Edit
  121 Copy &Informations window
  122 &Copy Bitmap window
  133 Copy M&osaïc window
  134 Copy &Array window
  174 Copy &Multi-bitmap window
&Initialize
  106 &Null
  105 Standard
  107 &Random
  117 Array &fill...
  Special &patterns
)") + kSpecialPatternsEnglish + R"(Selection
  401 &Load
  402 &Save
  -
  404 &Copy [Ctrl+C]
  405 &Paste [Ctrl+P]
  -
  406 &0-state
  411 &Increment
  412 &Decrement
  -
  408 &Vertical symmetry
  409 &Horizontal symmetry
&Options
  110 &Step ...
  111 &Array ...
  &Mosaïc
    160 &Brush 8 x 8
    161 &Whole array pattern
  &Automata
    190 499-8 (Life game)
    191 387-8-0-4-0-0-0-112
    192 387-8-0-0-16-0-0-100
    193 289-64-0-128-16-4-0-10
    194 289-72-0-128-16-4-2
    195 385-32-8-128-2-16-0-64
    196 297-64-16-132-0-0-0-10
    197 337-0-128-4-2-0-0-40
    198 32-4
  185 &Random ...
  240 &Colors ...
  -
  Language
    555 English
    556 French
  -
  112 &Transition rules ...
  241 &Neighborhood parameters ...
  113 Pr&eferences ...
  -
  212 Statistics
&Process
  108 &Next [Ctrl+N]
  109 &Level ... [Ctrl+L]
  177 &Continuous
  178 Continuous &until ...
&Window
  120 &Informations
  180 &Mosaïc
  167 &Array
  169 Multi-&bitmap
&Help
  114 &Index
  172 &Commands
  -
  230 Samples 337-0-128-4-2-0-0-40
  231 Samples 289-64-0-128-16-4-0-10
  232 Samples 387-8-0-4-0-0-0-0-112
  -
  103 &About ...
)";

const std::string kVlrFr = R"(&Fichier
  101 &Nouveau
  102 &Sauvegarde fichier d' initialisation
  -
  104 &Quitter [Ctrl+Q]
&Edition
  121 Copie fenêtre d' &Informations
  122 Copie fenêtre d' image &Bitmap
  133 Copie fenêtre de M&osaïque
  134 Copie fenêtre de &Matrice
  174 Copie fenêtre M&ulti-bitmap
&Initialiser
  106 &Nul
  107 Au &hasard
  105 &Standard
  117 Remplissage de &tableau...
  &Motifs spéciaux
    123 &Croix(3x3)
    -
    305 Point(2x2)
    -
    125 &Carré(3x3) [Ctrl+S]
    130 &Grand carré (4x4)
    -
    168 Hélice(8x8)
    306 Hélice(7x7)
    -
    126 &Ligne(3x1)
    131 Longue &ligne(4x1)
    -
    127 &Losange(3x3) [Ctrl+R]
    -
    129 &Hexagone(3x4) [Ctrl+H]
    -
    132 &Octogone(4x4) [Ctrl+O]
Sélection
  401 &Charge
  402 &Sauvegarde
  -
  404 C&opier [Ctrl+C]
  405 Co&ller [Ctrl+P]
  -
  406 Etat-0
  411 &Incrémente
  412 &Décremente
  -
  408 &Vertical symmetry
  409 &Horizontal symmetry
&Options
  110 &Pas ...
  111 &Matrice ...
  M&osaïque
    160 &Brosse 8 x 8
    161 &Motif tableau complet
  &Automates cellulaires
    190 499-8 (Jeu de la vie)
    191 387-8-0-4-0-0-0-112
    192 387-8-0-0-16-0-0-100
    193 289-64-0-128-16-4-0-10
    194 289-72-0-128-16-4-2
    195 385-32-8-128-2-16-0-64
    196 297-64-16-132-0-0-0-10
    197 337-0-128-4-2-0-0-40
    198 32-4
  185 &Hasard ...
  240 &Couleurs ...
  -
  Langue
    555 Anglais
    556 Français
  -
  112 &Règles de transition ...
  241 &Paramètres de voisinage ...
  113 Pr&éférences ...
&Exécuter
  108 &Suivant [Ctrl+N]
  109 &Niveau ... [Ctrl+L]
  177 &Continu
  178 Continu &jusqu' à ...
&Fenêtre
  120 I&nformations
  180 M&osaïque
  167 &Matrice
  169 Multi-&bitmap
  -
  502 &Initialiser
&Aide
  114 &Index
  172 &Commandes
  -
  230 Echantillons 337-0-128-4-2-0-0-40
  231 Echantillons 289-64-0-128-16-4-0-10
  232 Echantillons 387-8-0-4-0-0-0-0-112
  -
  103 &A propos de ...
)";

const std::string kQrl = std::string(R"(&File
  101 &New
  102 &Save initialization file
  -
  104 &Quit [Ctrl+Q]
&Edit
  121 Copy &Informations window
  122 &Copy Bitmap window
  134 Copy &Array window
  174 Copy &Multi-bitmap window
&Initialize
  106 &Null
  105 Standard
  107 &Random
  117 Array &fill...
  Life patterns
    420 Glider
    421 Throw-glider
    422 Boat (n°1)
    423 Boat (n°2)
    424 Boat (n°3)
    425 Fleet
    426 Block
    427 Tub
    428 Boat (other)
    429 Ship
    430 Snake
    431 Beehive
    432 Aircraft carrier
    433 Barge
    434 Long boat
    435 Long snake
    436 Loaf
    437 Eater
    438 Long ship
    439 Long barge
    440 Long long snake
    441 Canoe
    442 Mango
    443 Shillelagh
    444 Tub with tail
    445 Pond
    446 Shuttle
    447 Acorn
    448 B-Hepto
  Special &patterns
)") + kSpecialPatternsEnglish + R"(Selection
  401 Load
  402 Save
  -
  404 Copy [Ctrl+C]
  405 Paste [Ctrl+P]
  -
  406 0-state
  411 Increment
  412 Decrement
  -
  408 Vertical symmetry
  409 Horizontal symmetry
  410 Central symmetry
&Options
  110 &Step ...
  111 &Array ...
  &Zoom
    140 X &2
    141 X &3
    142 X &4
    150 X &5
  &Mosaïc
    160 &Brush 8 x 8
    161 &Whole array pattern
  &Automata
    191 387-8-0-4-0-0-0-112
    192 387-8-0-0-16-0-0-100
    193 289-64-0-128-16-4-0-10
    194 289-72-0-128-16-4-2
    195 385-32-8-128-2-16-0-64
    196 297-64-16-132-0-0-0-10
    197 337-0-128-4-2-0-0-40
  185 &Random ...
  240 &Colors ...
  -
  112 &Transition rules ...
  241 &Neighborhood parameters ...
  113 Pr&eferences ...
  -
  212 Statistics
&Process
  108 &Next [Ctrl+N]
  109 &Level ... [Ctrl+L]
  177 &Continuous
  178 Continuous &until ...
&Window
  120 &Informations
  128 &Zoom
  167 &Array
  169 Multi-&bitmap
&Help
  114 &Index
  172 &Commands
  -
  103 &About ...
)";

TEST(MenuBars, EachBarShowsItsTableItemByItem)
{
    EXPECT_EQ(kVlr, Dump(CommandMenuBar(MENU_VLR, ACCELERATORS_1)));
    EXPECT_EQ(kVlrFr, Dump(CommandMenuBar(MENU_VLR_FR, ACCELERATORS_1)));
    EXPECT_EQ(kQrl, Dump(CommandMenuBar(MENU_QRL_US, ACCELERATORS_1)));
    EXPECT_EQ(&MENU_VLR_FR, FindMenuTable("MENU_VLR_FR"));
    EXPECT_EQ(nullptr, FindMenuTable("MENU_VLR_DE"));
}

TEST(MenuBars, EveryAcceleratorButUntilStableIsShownOnItsItem)
{
    for (const MenuTable* table : {&MENU_VLR, &MENU_VLR_FR, &MENU_QRL_US}) {
        for (const AcceleratorEntry& key : ACCELERATORS_1.entries) {
            bool shown = false;
            for (const MenuEntry& entry : table->entries) {
                shown = shown || (entry.id == key.command && entry.showsAccelerator);
            }
            EXPECT_EQ(key.command != 115, shown) << table->name << " command " << key.command;
        }
    }
}

TEST(MenuBars, AFaultyTableGivesAFaultyMenuNotACrash)
{
    constexpr MenuEntry kEntries[] = {
        {MenuEntryKind::EndPopup, 0, {}, false},
        {MenuEntryKind::Item, 7, "Loose", true}, // no popup open, and no key for command 7
        {MenuEntryKind::Popup, 0, "Open", false},
        {MenuEntryKind::Item, 8, "Inside", false},
    };
    const MenuTable table{"FAULTY", kEntries};
    EXPECT_EQ("7 Loose\nOpen\n  8 Inside\n", Dump(CommandMenuBar(table, ACCELERATORS_1)));
}

struct FrameFixture : ::testing::Test {
    MainFrame frame{MENU_VLR, MENU_VLR_FR, MenuLanguage::English};
    std::vector<int> commands;

    FrameFixture()
    {
        frame.SetCommandHandler([this](int id) { commands.push_back(id); });
    }

    QAction* Item(MenuLanguage language, int id) { return frame.MenuBar(language).Item(id); }
};

using MenuStateOnTheFrame = FrameFixture;

TEST_F(MenuStateOnTheFrame, AChangeShowsInBothBarsAndSurvivesALanguageSwitch)
{
    frame.CheckMenuItem(161, true);
    frame.EnableMenuItem(134, false);
    for (const MenuLanguage language : {MenuLanguage::English, MenuLanguage::French}) {
        EXPECT_TRUE(Item(language, 161)->isChecked());
        EXPECT_FALSE(Item(language, 160)->isChecked());
        EXPECT_FALSE(Item(language, 134)->isEnabled());
        EXPECT_TRUE(Item(language, 133)->isEnabled());
    }
    frame.SetMenu(MenuLanguage::French);
    EXPECT_TRUE(frame.MenuBar(MenuLanguage::French).isVisible() || !frame.isVisible());
    EXPECT_FALSE(frame.MenuBar(MenuLanguage::English).isVisibleTo(&frame));
    EXPECT_TRUE(frame.MenuBar(MenuLanguage::French).isVisibleTo(&frame));
    EXPECT_TRUE(Item(MenuLanguage::French, 161)->isChecked());

    frame.CheckMenuItem(161, false);
    frame.EnableMenuItem(134, true);
    EXPECT_FALSE(Item(MenuLanguage::English, 161)->isChecked());
    EXPECT_TRUE(Item(MenuLanguage::English, 134)->isEnabled());
}

TEST_F(MenuStateOnTheFrame, AnIdMissingFromABarIsIgnoredThere)
{
    // 212 Statistics and 133 are not in every bar, 502 only in the French one, 999 in none.
    frame.CheckMenuItem(212, true);
    frame.CheckMenuItem(502, true);
    frame.EnableMenuItem(999, false);
    EXPECT_TRUE(Item(MenuLanguage::English, 212)->isChecked());
    EXPECT_EQ(nullptr, Item(MenuLanguage::French, 212));
    EXPECT_TRUE(Item(MenuLanguage::French, 502)->isChecked());
    EXPECT_TRUE(IsMenuItemGrayed(frame.GetMenuState(), 999));

    MainFrame quorrel(MENU_QRL_US, MENU_VLR_FR, MenuLanguage::English);
    quorrel.CheckMenuItem(140, true); // the Zoom factor exists only in the Quorrel bar
    quorrel.EnableMenuItem(133, false); // the Mosaic copy only in the French one
    EXPECT_TRUE(quorrel.MenuBar(MenuLanguage::English).Item(140)->isChecked());
    EXPECT_FALSE(quorrel.MenuBar(MenuLanguage::French).Item(133)->isEnabled());
}

TEST_F(MenuStateOnTheFrame, AChosenItemHandsItsIdToTheHandlerAndAGrayedOneDoesNothing)
{
    Item(MenuLanguage::English, 108)->trigger();
    Item(MenuLanguage::French, 556)->trigger();
    EXPECT_EQ((std::vector<int>{108, 556}), commands);

    frame.EnableMenuItem(108, false);
    Item(MenuLanguage::English, 108)->trigger();
    Item(MenuLanguage::French, 108)->trigger();
    EXPECT_EQ((std::vector<int>{108, 556}), commands);

    frame.SendCommand(108); // the program's own path is not filtered by the menus
    EXPECT_EQ((std::vector<int>{108, 556, 108}), commands);
}

TEST_F(MenuStateOnTheFrame, ChoosingACheckedItemLeavesTheMarkToTheProgram)
{
    frame.CheckMenuItem(190, true);
    Item(MenuLanguage::English, 190)->trigger();
    Item(MenuLanguage::English, 191)->trigger();
    EXPECT_TRUE(Item(MenuLanguage::English, 190)->isChecked());
    EXPECT_FALSE(Item(MenuLanguage::English, 191)->isChecked());
    EXPECT_TRUE(IsMenuItemChecked(frame.GetMenuState(), 190));
    EXPECT_EQ((std::vector<int>{190, 191}), commands);
}

TEST_F(MenuStateOnTheFrame, AClickInAnOpenMenuRunsTheCommand)
{
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QAction* process = frame.MenuBar(MenuLanguage::English).actions().at(5);
    ASSERT_EQ(QStringLiteral("&Process"), process->text());
    QMenu* menu = process->menu();
    menu->popup(frame.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction* next = Item(MenuLanguage::English, 108);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(next).center());
    EXPECT_EQ((std::vector<int>{108}), commands);

    frame.EnableMenuItem(109, false);
    menu->popup(frame.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Item(MenuLanguage::English, 109)).center());
    EXPECT_EQ((std::vector<int>{108}), commands);
    menu->close();
}

} // namespace
} // namespace vellicor
