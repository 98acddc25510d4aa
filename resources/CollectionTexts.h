#pragma once
// The texts of the collection's window: its controls, its status line and the item that opens it
// from the context menus.

#include "resources/BilingualText.h"

namespace vellicor {

inline constexpr BilingualText kCollectionTitle{"Collection", "Collection"};
// The context-menu item; the key is shown after the TAB.
inline constexpr BilingualText kCollectionMenuItem{"Collection...\tCtrl+Shift+L", "Collection...\tCtrl+Maj+L"};

inline constexpr BilingualText kCollectionFilter{"&Find:", "&Chercher :"};
inline constexpr BilingualText kCollectionFilterHint{"words of the title", "mots du titre"};
inline constexpr BilingualText kCollectionFolder{"&Folder...", "&Dossier..."};
inline constexpr BilingualText kCollectionShipped{"&Collection", "&Collection"};
inline constexpr BilingualText kCollectionOpen{"&Open", "&Ouvrir"};
inline constexpr BilingualText kCollectionGalleryTip{"Double click or Enter opens the automaton.",
                                                     "Un double clic ou Entrée ouvre l'automate."};

// A picture's tip, under its title: %1 x %2 the array, %3 its geometry, %4 the rule number and %5
// iStep. The notes follow in English: a file has them in one language only.
inline constexpr BilingualText kCollectionDetails{"%1 x %2 cells, %3, rules %4; one Next: %5 generations",
                                                  "%1 x %2 cellules, %3, règles %4 ; un Suivant : %5 générations"};
inline constexpr BilingualText kCollectionPlane{"plane", "plan"};
inline constexpr BilingualText kCollectionTorus{"torus", "tore"};

// The status line. %1 files shown, %2 files in the folder, %3 the folder.
inline constexpr BilingualText kCollectionCount{"%1 of %2 automata in %3", "%1 automates sur %2 dans %3"};
// Added when some files of the folder could not be read: %1 how many, %2 the first one's name
// and %3 the reader's message about it.
inline constexpr BilingualText kCollectionUnreadable{"; %1 not read (%2: %3)", " ; %1 non lus (%2 : %3)"};
// Instead, when the collection installed with the program is nowhere to be found.
inline constexpr BilingualText kCollectionMissing{"The collection is not installed: choose a folder of your own.",
                                                  "La collection n'est pas installée : choisissez un de vos dossiers."};

} // namespace vellicor
