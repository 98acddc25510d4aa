#pragma once
// What the main window and its child windows share at run time: which windows are open and the
// shell's own choices. The application object owns it; the windows are handed a reference, so a
// window knows the state it shares and not the program that owns it.

#include <cstdint>

namespace vellicor {

// The shell's own run-time state; none of it is saved.
struct ShellState {
    // Open flags, 1 while the window exists. The Array, Mosaic and Multi-bitmap flags are
    // separate from the settings' bMatrixWindowOn ...: File / New re-reads those alone.
    int32_t bInfoOpen = 0;
    int32_t bBitmapOpen = 0;
    int32_t bZoomOpen = 0;
    int32_t bMatrixOpen = 0;
    int32_t bMosaicOpen = 0;
    int32_t bMultiBitmapOpen = 0;
    int32_t bIconBarOn = 0;
    int32_t iZoomFactor = 3;
    int32_t iMosaicMode = 1;
    int32_t bHelpUsed = 0;
    int32_t iLastClickX = 0; // last left-button release on the bare main client
    int32_t iLastClickY = 0;
};

} // namespace vellicor
