#pragma once
// Captions, window titles and message texts of the processing commands. Each message is shown in
// a box captioned kMessageCaption in both languages.

#include "resources/BilingualText.h"

namespace vellicor {

inline constexpr std::string_view kMessageCaption = "Message";
inline constexpr std::string_view kMainWindowTitle = "Vellicor 3.0";

// Child window titles. They are chosen when a window is created and kept afterwards; the callers
// decide which half to take (start-up takes English for any iLanguage other than 0).
inline constexpr BilingualText kArrayWindowTitle{"Array", "Matrice"};
inline constexpr BilingualText kMosaicWindowTitle{"Mosaic", "Mosaique"};
inline constexpr BilingualText kMosaicMenuWindowTitle{"Mosaic", "Mosaïque"}; // from Window / Mosaïque
inline constexpr BilingualText kInfoWindowTitle = SameText("Informations");
inline constexpr BilingualText kMultiBitmapWindowTitle = SameText("Multi-bitmap");
inline constexpr BilingualText kBitmapWindowTitle = SameText("Bitmap");
inline constexpr BilingualText kZoomWindowTitle = SameText("Zoom");
inline constexpr BilingualText kIconBarWindowTitle = SameText("IconBar");

// Retry / Cancel questions when a step was refused at the iteration limit.
inline constexpr BilingualText kNextLimitMessage{
    "NEXT command execution leads to a value which is greater than ITERATION LIMIT\n",
    "L'éxécution de la commande SUIVANT conduit à un niveau d'itération qui est supérieur au "
    "paramètre LIMITE D'ITERATION\n"};
inline constexpr BilingualText kUntilStableLimitMessage{
    "UNTIL STABLE command execution leads to a value which is greater than ITERATION LIMIT\n"
    "Retry adding iIterIncrement to iIterLimit ? ",
    "L'éxécution de la commande JUSQU'A LA STABILITE conduit à un niveau d' itération supérieur "
    "au paramètre LIMITE D' ITERATION\nEssayez en ajoutant la valeur INCREMENT d'ITERATION au "
    "paramètre LIMITE D'ITERATION ? "};

// Refusals of dialog input; the dialog stays open after the box.
inline constexpr BilingualText kStepTooLargeMessage{
    "The value of STEP leads to an iteration value which is greater than ITERATION LIMIT\n",
    "La valeur du PAS conduit à un niveau d'itération supérieure au paramètre LIMITE D' "
    "ITERATION\n"};
inline constexpr BilingualText kIterLimitBelowLevelMessage{
    "The value of ITERATION LIMIT can't be less than the current iteration LEVEL",
    "La valeur du paramètre LIMITE d'ITERATION ne peut être inférieur à la valeur du NIVEAU "
    "actuel"};
inline constexpr BilingualText kContinuousDelayRangeMessage{
    "The value for parameter CONTINUOUS DELAY can't be negative nor greater than 32767\n",
    "La valeur pour le paramètre DELAI POUR CONTINU ne peut être négative, ni supérieur à "
    "32767\n"};

} // namespace vellicor
