#pragma once
// Messages of the array content: figures that do not fit, selection files, the array size.

#include "resources/BilingualText.h"
#include "resources/FileFilter.h"

namespace vellicor {

inline constexpr BilingualText kFigureTooLargeMessage{
    "The dimensions of the initial selected figure exceed the current array size.\n",
    "Les dimensions du motif initialement sélectionné excèdent la taille de la matrice courante.\n"};
inline constexpr BilingualText kObjectOverlapsMessage{
    "The dimensions of the selected object overlap the current array\n",
    "Les dimensions de l'objet sélectionné dépassent la taille de la matrice courante\n"};
inline constexpr BilingualText kDataErrorMessage{
    "Data error in load file. State value can't be greater than 15\n",
    "Erreur de données dans le fichier. La valeur d'état ne peut être supérieure à 15\n"};
inline constexpr BilingualText kLoadErrorMessage{"Load error\n", "Erreur de lecture\n"};
inline constexpr BilingualText kWriteErrorMessage{"Write error\n", "Erreur d' écriture\n"};
inline constexpr BilingualText kCellsAdjustedMessage{
    "Array dimensions exceed the current window size. The cell dimensions will be automatically adjusted.\n",
    "Les dimensions de la matrice excèdent la taille de la fenêtre courante. La dimension des cellules sera "
    "ajustée automatiquement.\n"};

// The file dialogs of the selection files (Selection / Load and Save): the same French type names
// in both languages, the first preselected, and "txt" added to a name typed without extension.
inline constexpr FileFilter kSelectionFileFilters[] = {
    {"Fichiers Texte (*.TXT)", "*.txt"},
    {"Fichiers ASCII (*.ASC)", "*.asc"},
    {"Tous les fichiers (*.*)", "*.*"},
};
inline constexpr std::string_view kSelectionFileExtension = "txt";

} // namespace vellicor
