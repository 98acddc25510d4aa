#pragma once
// The texts of the rule explorer: its window, its controls, the gallery's marks and the item that
// opens it from the context menus.

#include "resources/BilingualText.h"

namespace vellicor {

inline constexpr BilingualText kExplorerTitle{"Rule explorer", "Explorateur de règles"};
// The context-menu item; the key is shown after the TAB.
inline constexpr BilingualText kExplorerMenuItem{"Rule explorer...\tCtrl+E", "Explorateur de règles...\tCtrl+E"};

inline constexpr BilingualText kExplorerNew{"New", "Nouveau"};
inline constexpr BilingualText kExplorerVariations{"Variations", "Variantes"};
inline constexpr BilingualText kExplorerCross{"Cross", "Croiser"};
inline constexpr BilingualText kExplorerAdopt{"Adopt", "Adopter"};
inline constexpr BilingualText kExplorerAdoptWithPicture{"Adopt with picture", "Adopter avec l'image"};
inline constexpr BilingualText kExplorerStates{"States:", "États :"};
inline constexpr BilingualText kExplorerSeed{"Seed:", "Graine :"};
inline constexpr BilingualText kExplorerGenerations{"Generations:", "Générations :"};

// The status line: %1 ready, %2 places, %3 dull candidates left out so far.
inline constexpr BilingualText kExplorerProgress{"%1 of %2 ready; dull runs left out: %3",
                                                 "%1 sur %2 prêts ; essais ternes écartés : %3"};
// Added to the progress when no place found a picture and most found only noise.
inline constexpr BilingualText kExplorerMostlyNoise{
    "This neighbourhood gives mostly noise from this start: try a smaller n, a start from a small figure, or the "
    "homogeneous neighbor mode.",
    "Ce voisinage ne donne guère que du bruit à partir de ce départ : essayez un n plus petit, un départ d'une petite "
    "figure, ou le mode de voisinage homogène."};
// A place where every candidate tried was dull shows the best of them, marked: the noise with the
// most structure, or else the run that lasted longest. One tip for both marks.
inline constexpr BilingualText kExplorerDullMark{"dull", "terne"};
inline constexpr BilingualText kExplorerNoiseMark{"noise", "bruit"};
inline constexpr BilingualText kExplorerDullTip{
    "Every candidate tried for this place was dull: it died out, froze, blinked or ended as noise.\nThis one is the "
    "best of them: the noise with the most structure, or else the run that lasted longest.",
    "Tous les essais pour cette place étaient ternes : ils se sont éteints, figés, ont clignoté ou ont fini en bruit.\n"
    "Celui-ci est le meilleur d'entre eux : le bruit le plus structuré, ou sinon l'essai qui a duré le plus."};
// How the selection works, for the gallery's tip.
inline constexpr BilingualText kExplorerGalleryTip{
    "Click to select, Ctrl+click to select a second one for Cross, double click to adopt.",
    "Cliquer pour choisir, Ctrl+clic pour en choisir un second à croiser, double-cliquer pour adopter."};

} // namespace vellicor
