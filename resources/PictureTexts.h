#pragma once
// The texts of the pictures that leave the program: the views' context menus, the recording
// dialog and its progress, the file types of the save dialogs and the messages.

#include "resources/BilingualText.h"
#include "resources/DialogTemplate.h"
#include "resources/FileFilter.h"

namespace vellicor {

inline constexpr BilingualText kSavePictureItem{"Save picture as...", "Enregistrer l'image sous..."};
inline constexpr BilingualText kSaveTextItem{"Save text as...", "Enregistrer le texte sous..."};
inline constexpr BilingualText kRecordRunItem{"Record run as animated GIF...", "Enregistrer l'exécution en GIF animé..."};
inline constexpr BilingualText kRecordVideoItem{"Record run as video...", "Enregistrer l'exécution en vidéo..."};
inline constexpr BilingualText kPictureScaleItem{"Picture scale", "Échelle de l'image"};
// The scale items read "1 x" .. "8 x" in both languages.

inline constexpr FileFilter kPngFilters[] = {{"PNG (*.png)", "*.png"}};
inline constexpr FileFilter kGifFilters[] = {{"GIF (*.gif)", "*.gif"}};
// The format is the file name's: the first type is the one a name typed without one gets.
inline constexpr FileFilter kVideoFilters[] = {{"MP4 (*.mp4)", "*.mp4"}, {"WebM (*.webm)", "*.webm"}};
inline constexpr FileFilter kTextFilters[] = {{"TXT (*.txt)", "*.txt"}};

// "%1 of %2": the generations recorded and the number asked for.
inline constexpr BilingualText kRecordingProgress{"Recording generation %1 of %2...",
                                                  "Enregistrement de la génération %1 sur %2..."};

inline constexpr BilingualText kPictureWriteErrorMessage{
    "The file could not be written. Nothing was saved; a file of that name is as it was.\n",
    "Le fichier n'a pas pu être écrit. Rien n'a été enregistré ; un fichier de ce nom est resté tel quel.\n"};
inline constexpr BilingualText kRecordValuesMessage{
    "The number of generations must be 1 to 1000000, the scale 1 to 8 and the frame delay 0 to 655350 "
    "milliseconds.\n",
    "Le nombre de générations doit être de 1 à 1000000, l'échelle de 1 à 8 et le délai entre images de 0 à "
    "655350 millisecondes.\n"};

inline constexpr BilingualText kVideoValuesMessage{
    "The number of generations must be 1 to 1000000, the scale 1 to 8 and the frames per second 1 to 120.\n",
    "Le nombre de générations doit être de 1 à 1000000, l'échelle de 1 à 8 et le nombre d'images par seconde de 1 "
    "à 120.\n"};
inline constexpr BilingualText kVideoNameMessage{
    "The name of a video file must end in .mp4 (H.264) or .webm (VP9). Nothing was recorded.\n",
    "Le nom d'un fichier vidéo doit se terminer par .mp4 (H.264) ou .webm (VP9). Rien n'a été enregistré.\n"};
inline constexpr BilingualText kVideoTooLargeMessage{
    "At this scale the video would be more than 8192 pixels wide or high. Choose a smaller scale.\n",
    "À cette échelle, la vidéo aurait plus de 8192 pixels de large ou de haut. Choisissez une échelle plus "
    "petite.\n"};

inline constexpr int kMaxRecordGenerations = 1000000;
inline constexpr int kMaxPictureScale = 8;
inline constexpr int kMaxFrameDelay = 655350;

// Record run as animated GIF: the number of generations, the scale and the delay between frames.
extern const DialogTemplate DIALOG_RECORD;
// Record run as video: the same, with the frames per second in place of the delay.
extern const DialogTemplate DIALOG_RECORD_VIDEO;

namespace record_dialog {
inline constexpr int kGenerations = 101;
inline constexpr int kScale = 102;
inline constexpr int kDelay = 103;           // DIALOG_RECORD
inline constexpr int kFramesPerSecond = 103; // DIALOG_RECORD_VIDEO
} // namespace record_dialog

} // namespace vellicor
