#pragma once
// The texts of the Canvas: its window, its context menu, its status line, the New canvas dialog
// and its messages.

#include "resources/BilingualText.h"
#include "resources/DialogTemplate.h"

namespace vellicor {

inline constexpr BilingualText kCanvasTitle{"Canvas", "Toile"};
// The item of the views' and the icon bar's context menus; the key is shown after the TAB.
inline constexpr BilingualText kCanvasMenuItem{"Canvas...\tCtrl+K", "Toile...\tCtrl+K"};

inline constexpr BilingualText kCanvasRunItem{"Run\tSpace", "Exécuter\tEspace"};
inline constexpr BilingualText kCanvasPauseItem{"Pause\tSpace", "Pause\tEspace"};
inline constexpr BilingualText kCanvasStepItem{"Next generation\tN", "Génération suivante\tN"};
inline constexpr BilingualText kCanvasSpeedItem{"Generations per frame", "Générations par image"};
inline constexpr BilingualText kCanvasZoomItem{"Zoom\t+ -", "Zoom\t+ -"};
inline constexpr BilingualText kCanvasNewItem{"New canvas...", "Nouvelle toile..."};
inline constexpr BilingualText kCanvasRestartItem{"Start again", "Recommencer"};
inline constexpr BilingualText kCanvasCopyItem{"Copy", "Copier"};
inline constexpr BilingualText kCanvasFullScreenItem{"Full screen\tF11", "Plein écran\tF11"};

// The status line: the level, the size, the generations per second, then the start and the rest.
inline constexpr BilingualText kCanvasStatus{"Level %1   %2 x %3 cells   %4 generations/s   %5   zoom %6x   %7 per frame   %8",
                                             "Niveau %1   %2 x %3 cellules   %4 générations/s   %5   zoom %6x   %7 par image   %8"};
inline constexpr BilingualText kCanvasRunning{"running", "en cours"};
inline constexpr BilingualText kCanvasPaused{"paused", "en pause"};
inline constexpr BilingualText kCanvasRecording{"recording", "enregistrement"};
// %1 states, %2 the seed.
inline constexpr BilingualText kCanvasRandomStart{"Random, %1 states, seed %2", "Aléatoire, %1 états, graine %2"};
inline constexpr BilingualText kCanvasTileStart{"Tile the array", "Paver avec la matrice"};
inline constexpr BilingualText kCanvasCentreStart{"Centre the array", "Matrice au centre"};
inline constexpr BilingualText kCanvasBlankStart{"Blank", "Vide"};

inline constexpr BilingualText kCanvasSizeMessage{
    "The width and the height must each be 1 to 16384 cells, and the canvas at most 268435456 cells "
    "(16384 x 16384).\n",
    "La largeur et la hauteur doivent être chacune de 1 à 16384 cellules, et la toile d'au plus 268435456 "
    "cellules (16384 x 16384).\n"};
inline constexpr BilingualText kCanvasStatesMessage{"The number of states must be 2 to 16.\n",
                                                    "Le nombre d'états doit être de 2 à 16.\n"};
// %1 the pixels asked for (millions), %2 the limit.
inline constexpr BilingualText kCanvasPictureTooLargeMessage{
    "At this scale the picture would have %1 million pixels, more than the %2 million (1 GB) a picture of "
    "the canvas may have. Choose a smaller scale.\n",
    "À cette échelle, l'image aurait %1 millions de pixels, plus que les %2 millions (1 Go) permis pour une "
    "image de la toile. Choisissez une échelle plus petite.\n"};
// %1 frames, %2 x %3 pixels each, %4 million pixels in all.
inline constexpr BilingualText kCanvasRecordingTooLargeMessage{
    "The recording would hold %1 frames of %2 x %3 pixels, %4 million pixels in all: more than the 1 GB of "
    "pixels (1074 million) a recording may have, which would take minutes and gigabytes to encode. Record "
    "fewer generations, at a smaller scale, or on a smaller canvas.\n",
    "L'enregistrement contiendrait %1 images de %2 x %3 pixels, %4 millions de pixels en tout : plus que le "
    "1 Go de pixels (1074 millions) permis pour un enregistrement, qui demanderait des minutes et des "
    "gigaoctets pour l'encoder. Enregistrez moins de générations, à une échelle plus petite ou sur une toile "
    "plus petite.\n"};

// The most pixels a picture or a recording of the canvas may have: a gigabyte of indexed pixels.
inline constexpr long long kMaxCanvasPicturePixels = 1LL << 30;

// New canvas: the size and the start.
extern const DialogTemplate DIALOG_CANVAS;

namespace canvas_dialog {
inline constexpr int kFitWindow = 101;
inline constexpr int kFullHd = 102;
inline constexpr int kUltraHd = 103;
inline constexpr int kSquare = 104;
inline constexpr int kOtherSize = 105;
inline constexpr int kWidth = 106;
inline constexpr int kHeight = 107;
inline constexpr int kRandom = 111;
inline constexpr int kTile = 112;
inline constexpr int kCentre = 113;
inline constexpr int kBlank = 114;
inline constexpr int kStates = 115;
inline constexpr int kSeed = 116;
} // namespace canvas_dialog

} // namespace vellicor
