#include "resources/PictureTexts.h"

#include "resources/DialogBuilders.h"

#include <array>

namespace vellicor {
namespace {

using namespace dialog_builders;
using namespace record_dialog;

// Three labelled fields in a column, OK and Cancel below; the French labels are the longer. The
// two recording dialogs differ only in their third field.
constexpr auto RecordControls(BilingualText third)
{
    return std::to_array<DialogControl>({
        Label({10, 12, 104, 8}, {"Generations:", "Générations:"}),
        Field(kGenerations, {118, 10, 50, 12}),
        Label({10, 30, 104, 8}, {"Scale (1 to 8):", "Échelle (1 à 8):"}),
        Field(kScale, {118, 28, 50, 12}),
        Label({10, 48, 104, 8}, third),
        Field(kDelay, {118, 46, 50, 12}),
        DefaultPushButton(kIdOk, {30, 70, 50, 14}, kOk),
        PushButton(kIdCancel, {98, 70, 50, 14}, kCancel),
    });
}
constexpr auto kRecordControls = RecordControls({"Frame delay (ms):", "Délai entre images (ms):"});
constexpr auto kRecordVideoControls = RecordControls({"Frames per second:", "Images par seconde:"});

} // namespace

const DialogTemplate DIALOG_RECORD{
    .name = "DIALOG_RECORD",
    .title = {"Record run as animated GIF", "Enregistrer l'exécution en GIF animé"},
    .size = {178, 92},
    .frenchSize = std::nullopt,
    .controls = kRecordControls,
    .hasSystemMenu = true,
};

const DialogTemplate DIALOG_RECORD_VIDEO{
    .name = "DIALOG_RECORD_VIDEO",
    .title = {"Record run as video", "Enregistrer l'exécution en vidéo"},
    .size = {178, 92},
    .frenchSize = std::nullopt,
    .controls = kRecordVideoControls,
    .hasSystemMenu = true,
};

} // namespace vellicor
