#include "resources/CanvasTexts.h"

#include "resources/DialogBuilders.h"

#include <array>

namespace vellicor {
namespace {

using namespace dialog_builders;
using namespace canvas_dialog;

constexpr int kSizeGroup = 1;
constexpr int kStartGroup = 2;

constexpr DialogControl Choice(int id, DialogRect rect, BilingualText text, int group)
{
    return {id, ControlKind::AutoRadioButton, rect, text, std::nullopt, group};
}

// The size on the left, the start on the right, OK and Cancel below; the French labels are the longer.
constexpr auto kCanvasControls = std::to_array<DialogControl>({
    Control(kIdStatic, ControlKind::GroupBox, {6, 4, 120, 104}, {"Size in cells", "Taille en cellules"}),
    Choice(kFitWindow, {12, 16, 110, 10}, {"Fit the window", "Adaptée à la fenêtre"}, kSizeGroup),
    Choice(kFullHd, {12, 30, 110, 10}, SameText("1920 x 1080"), kSizeGroup),
    Choice(kUltraHd, {12, 44, 110, 10}, SameText("3840 x 2160"), kSizeGroup),
    Choice(kSquare, {12, 58, 110, 10}, SameText("1000 x 1000"), kSizeGroup),
    Choice(kOtherSize, {12, 72, 110, 10}, {"Other:", "Autre :"}, kSizeGroup),
    Field(kWidth, {22, 88, 40, 12}),
    CenteredLabel({62, 90, 12, 8}, SameText("x")),
    Field(kHeight, {74, 88, 40, 12}),
    Control(kIdStatic, ControlKind::GroupBox, {132, 4, 132, 104}, {"Start", "Départ"}),
    Choice(kRandom, {138, 16, 120, 10}, {"Random", "Aléatoire"}, kStartGroup),
    Label({150, 32, 60, 8}, {"States (2 to 16):", "États (2 à 16) :"}),
    Field(kStates, {212, 30, 44, 12}),
    Label({150, 48, 60, 8}, {"Seed:", "Graine :"}),
    Field(kSeed, {212, 46, 44, 12}),
    Choice(kTile, {138, 64, 120, 10}, {"Tile the array", "Paver avec la matrice"}, kStartGroup),
    Choice(kCentre, {138, 78, 120, 10}, {"Centre the array", "Matrice au centre"}, kStartGroup),
    Choice(kBlank, {138, 92, 120, 10}, {"Blank", "Vide"}, kStartGroup),
    DefaultPushButton(kIdOk, {78, 116, 50, 14}, kOk),
    PushButton(kIdCancel, {138, 116, 50, 14}, kCancel),
});

} // namespace

const DialogTemplate DIALOG_CANVAS{
    .name = "DIALOG_CANVAS",
    .title = {"New canvas", "Nouvelle toile"},
    .size = {270, 138},
    .frenchSize = std::nullopt,
    .controls = kCanvasControls,
    .hasSystemMenu = true,
};

} // namespace vellicor
