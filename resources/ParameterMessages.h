#pragma once
// Refusals of the parameter dialogs. Each is shown in a box captioned "Message" above its
// dialog, which stays open with the values typed so far. The Preferences refusals are in
// Messages.h, the window-size notice of the array size in ContentMessages.h.

#include "resources/BilingualText.h"

namespace vellicor {

inline constexpr BilingualText kUserModuloTooLargeMessage{
    "The value of User Modulo Value for Options/Neighborhood parameters can't be greater than 10\n",
    "La valeur du paramètre VALEUR MODULO UTILISATEUR pour Options/Paramètres de voisinage ne peut être "
    "supérieure à 10\n"};

inline constexpr BilingualText kArrayWidthTooLargeMessage{
    "The value of HORIZONTAL MAXIMUM can't be greater than 100\n",
    "La valeur du MAXIMUM HORIZONTAL ne peut être supérieure à 100\n"};
inline constexpr BilingualText kArrayHeightTooLargeMessage{
    "The value of VERTICAL MAXIMUM can't be greater than 100\n",
    "La valeur du MAXIMUM VERTICAL ne peut être supérieure à 100\n"};

inline constexpr BilingualText kFillWidthTooLargeMessage{
    "The value of HORIZONTAL MAXIMUM for Initialization/Array Fill option can't be greater than "
    "Array/HORIZONTAL MAXIMUM\n",
    "La valeur du MAXIMUM HORIZONTAL pour l'option Initialisation/Remplissage de rectangle ne peut être "
    "supérieur à la valeur de Matrice/MAXIMUM HORIZONTAL\n"};
inline constexpr BilingualText kFillHeightTooLargeMessage{
    "The value of VERTICAL MAXIMUM for Initialization/Array Fill option can't be greater than "
    "Array/VERTICAL MAXIMUM\n",
    "La valeur du MAXIMUM VERTICAL MAXIMUM pour l'option Initialization/Remplissage de rectangle ne peut "
    "être supérieure à la valeur de Matrice/MAXIMUM VERTICAL\n"};

inline constexpr BilingualText kRandomTotalTooSmallMessage{
    "The total of elements selected for each state of the Random option is less than the total elements "
    "count\n",
    "Le nombre d'éléments sélectionné pour chaque état de l'option HASARD est inférieru au nombre total d' "
    "éléments\n"};
inline constexpr BilingualText kRandomTotalTooLargeMessage{
    "The total of elements selected for each state of the Random option is greater than the total elements "
    "count\n",
    "Le nombre d'éléments sélectionné pour chaque état de l'option HASARD est supérieur au nombre total d' "
    "éléments\n"};

} // namespace vellicor
