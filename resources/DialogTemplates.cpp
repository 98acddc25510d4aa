#include "resources/DialogTemplates.h"

#include "resources/DialogBuilders.h"

#include <array>

namespace vellicor {
namespace {

using namespace dialog_builders;

constexpr DialogTemplate Dialog(std::string_view name, BilingualText title, DialogSize size,
                                std::span<const DialogControl> controls, bool hasFrenchTwin = true)
{
    return {name, title, size, std::nullopt, controls, hasFrenchTwin, false};
}

// The three processing dialogs share one shape: a label, the field beside it, OK and Cancel.
constexpr auto kLevelControls = std::to_array<DialogControl>({
    Label({22, 13, 40, 8}, {"Value:", "Niveau:"}),
    Field(202, {66, 11, 62, 12}),
    DefaultPushButton(kIdOk, {18, 34, 50, 14}, kOk),
    PushButton(kIdCancel, {82, 34, 50, 14}, kCancel),
});

constexpr auto kStepControls = std::to_array<DialogControl>({
    Label({22, 13, 40, 8}, {"Value:", "Valeur:"}),
    Field(203, {66, 11, 62, 12}),
    DefaultPushButton(kIdOk, {18, 34, 50, 14}, kOk),
    PushButton(kIdCancel, {82, 34, 50, 14}, kCancel),
});

constexpr auto kContinuousUntilControls = std::to_array<DialogControl>({
    Label({14, 13, 62, 8}, {"Until level", "Jusqu' au niveau"}),
    Field(101, {80, 11, 66, 12}),
    DefaultPushButton(kIdOk, {23, 34, 50, 14}, kOk),
    PushButton(kIdCancel, {87, 34, 50, 14}, kCancel),
});

// The icon control is sized for a 32-pixel icon at the old 8-point base units.
constexpr auto kAboutControls = std::to_array<DialogControl>({
    Control(101, ControlKind::EtchedFrame, {8, 6, 124, 60}),
    CenteredLabel({14, 12, 112, 8}, SameText("Vellicor")),
    Control(kIdStatic, ControlKind::Icon, {60, 24, 21, 20}),
    CenteredLabel({14, 50, 112, 8}, SameText("Version 3.0")),
    DefaultPushButton(kIdOk, {45, 72, 50, 14}, kOk),
});

constexpr auto kAboutQrlControls = std::to_array<DialogControl>({
    CenteredLabel({14, 12, 112, 8}, SameText("Quorrel")),
    Control(kIdStatic, ControlKind::Icon, {60, 24, 21, 20}),
    CenteredLabel({14, 50, 112, 8}, SameText("Version 2.0")),
    DefaultPushButton(kIdOk, {45, 72, 50, 14}, kOk),
});

// The Colors dialog: the states' buttons in two rows of eight with a swatch under each, the tall
// preview at the left, a scroll bar per component with its label and value, the chooser button.
constexpr int kColorsStateColumn = 25; // from one state's button to the next
constexpr std::string_view kStateNames[] = {"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                            "8", "9", "10", "11", "12", "13", "14", "15"};
constexpr BilingualText kComponentNames[] = {{"Red", "Rouge"}, {"Green", "Vert"}, {"Blue", "Bleu"}};

constexpr auto MakeColorsControls()
{
    std::array<DialogControl, 16 * 2 + 1 + 3 * 3 + 4> controls{};
    std::size_t n = 0;
    for (int s = 0; s < 16; ++s) {
        const int x = 52 + (s % 8) * kColorsStateColumn;
        const int y = s < 8 ? 19 : 46;
        controls[n++] = {530 + s, ControlKind::AutoRadioButton, {x, y, 24, 12}, SameText(kStateNames[s]), std::nullopt, 1};
    }
    for (int s = 0; s < 16; ++s) {
        const int x = 52 + (s % 8) * kColorsStateColumn;
        const int y = s < 8 ? 32 : 59;
        controls[n++] = Control(510 + s, ControlKind::Swatch, {x, y, 20, 10});
    }
    controls[n++] = Control(506, ControlKind::Swatch, {8, 8, 36, 110});
    for (int i = 0; i < 3; ++i) {
        const int y = 80 + 14 * i;
        controls[n++] = Label({52, y + 1, 34, 8}, kComponentNames[i]);
        controls[n++] = Control(503 + i, ControlKind::RightText, {86, y + 1, 18, 8});
        controls[n++] = Control(500 + i, ControlKind::HorizontalScrollBar, {110, y, 144, 10});
    }
    controls[n++] = PushButton(507, {8, 128, 108, 14}, {"Define colors...", "Définir les couleurs..."});
    controls[n++] = DefaultPushButton(kIdOk, {148, 128, 50, 14}, kOk);
    controls[n++] = PushButton(kIdCancel, {204, 128, 50, 14}, kCancel);
    controls[n++] = Label({52, 8, 60, 8}, {"State:", "Etat:"});
    return controls;
}

constexpr auto kColorsControls = MakeColorsControls();

} // namespace

const DialogTemplate DIALOG_LEVEL = Dialog("DIALOG_LEVEL", {"Level", "Niveau d' itération"}, {150, 56}, kLevelControls);
const DialogTemplate DIALOG_STEP = Dialog("DIALOG_STEP", {"Iteration step", "Pas d' itération"}, {150, 56}, kStepControls);
const DialogTemplate DIALOG_CONTINUOUSUNTIL = Dialog("DIALOG_CONTINUOUSUNTIL",
    {"Process / Continuous until", "Exécution / Continu jusqu' à"}, {160, 56}, kContinuousUntilControls);
const DialogTemplate DIALOG_ABOUT = Dialog("DIALOG_ABOUT", {"About", "A propos"}, {140, 94}, kAboutControls);
const DialogTemplate DIALOG_COLORS = Dialog("DIALOG_COLORS", {"Colors", "Couleurs"}, {262, 150}, kColorsControls);
const DialogTemplate ABOUT_QRL = Dialog("ABOUT_QRL", SameText("About"), {140, 94}, kAboutQrlControls, false);

} // namespace vellicor
