#pragma once
// Options / Colors: the palette editor. A state is chosen with its button; the three scroll bars
// set its red, green and blue, and the palette entry, its brush, its swatch and the preview follow
// every move at once, the thumb's drag included. "Define colors..." opens the platform's chooser
// with the sixteen state colours as its custom colours; the states take whatever was changed
// there, except the selected one, which keeps its scroll bars' colour.
//
// OK keeps every change. Cancel puts back the whole palette as it was when the dialog opened,
// the chooser's changes included, so that Cancel cancels. The views are not repainted: they show
// the colours at their next repaint.

#include "engine/Automaton.h"
#include "views/StateBrushes.h"

#include <cstdint>

namespace vellicor {

class UserPrompts;

// Control ids of DIALOG_COLORS.
inline constexpr int kColorsRedBar = 500;       // 500 + component (0 red, 1 green, 2 blue)
inline constexpr int kColorsRedValue = 503;     // the number beside each bar: 503 + component
inline constexpr int kColorsPreview = 506;
inline constexpr int kColorsDefine = 507;
inline constexpr int kColorsFirstSwatch = 510;  // 510 + state
inline constexpr int kColorsFirstButton = 530;  // 530 + state

// Returns the dialog's result: 1 OK, 0 Cancel, -1 when it could not be shown.
int RunColorsDialog(UserPrompts& prompts, int32_t iLanguage, uint32_t crStateColor[kStateCount],
                    StateBrushes& brushes);

} // namespace vellicor
