#pragma once
// Texts of the automaton files: the commands, the file dialogs and the reader's refusals. In a
// refusal, {line}, {key}, {min}, {max} and {limit} stand for what the reader found.

#include "resources/BilingualText.h"
#include "resources/FileFilter.h"

namespace vellicor {

// The context menus' items, with their keys as each language names them.
inline constexpr BilingualText kOpenAutomatonItem{"Open automaton...\tCtrl+Shift+O", "Ouvrir un automate...\tCtrl+Maj+O"};
inline constexpr BilingualText kSaveAutomatonItem{"Save automaton as...\tCtrl+Shift+S",
                                                  "Enregistrer l'automate sous...\tCtrl+Maj+S"};

inline constexpr FileFilter kAutomatonFileFiltersEnglish[] = {
    {"Automaton files (*.vellicor)", "*.vellicor"},
    {"All files (*.*)", "*.*"},
};
inline constexpr FileFilter kAutomatonFileFiltersFrench[] = {
    {"Fichiers d'automate (*.vellicor)", "*.vellicor"},
    {"Tous les fichiers (*.*)", "*.*"},
};

inline constexpr BilingualText kAutomatonUnreadableMessage{
    "The automaton file could not be read.\n", "Le fichier d'automate n'a pas pu être lu.\n"};
inline constexpr BilingualText kAutomatonNotAFileMessage{
    "This is not an automaton file: it has no [Vellicor] section.\n",
    "Ce n'est pas un fichier d'automate : il n'a pas de section [Vellicor].\n"};
inline constexpr BilingualText kAutomatonNotANumberMessage{
    "Line {line}: the value of {key} is not a whole number.\n",
    "Ligne {line} : la valeur de {key} n'est pas un nombre entier.\n"};
inline constexpr BilingualText kAutomatonOutOfRangeMessage{
    "Line {line}: the value of {key} must lie between {min} and {max}.\n",
    "Ligne {line} : la valeur de {key} doit être comprise entre {min} et {max}.\n"};
inline constexpr BilingualText kAutomatonStateMessage{
    "Line {line}: a state value can't be greater than 15.\n",
    "Ligne {line} : une valeur d'état ne peut être supérieure à 15.\n"};
inline constexpr BilingualText kAutomatonRowsMessage{
    "Line {line}: the cells have more rows than the array ({limit}).\n",
    "Ligne {line} : les cellules ont plus de lignes que la matrice ({limit}).\n"};
inline constexpr BilingualText kAutomatonColumnsMessage{
    "Line {line}: the row has more cells than the array has columns ({limit}).\n",
    "Ligne {line} : la ligne a plus de cellules que la matrice n'a de colonnes ({limit}).\n"};
inline constexpr BilingualText kAutomatonWriteErrorMessage{
    "The automaton file could not be written.\n", "Le fichier d'automate n'a pas pu être écrit.\n"};

} // namespace vellicor
