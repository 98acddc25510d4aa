#pragma once
// The dialog templates. Each is named after its English resource; its French twin is found under
// the same name with "_FR" appended.

#include "resources/DialogTemplate.h"

namespace vellicor {

extern const DialogTemplate DIALOG_LEVEL;           // edit field 202: the level to reach
extern const DialogTemplate DIALOG_STEP;            // edit field 203: generations per Next
extern const DialogTemplate DIALOG_CONTINUOUSUNTIL; // edit field 101: the level to run to
extern const DialogTemplate DIALOG_ABOUT;           // picture edition; frame 101
extern const DialogTemplate DIALOG_COLORS;          // radio buttons 530..545, swatches 510..525, preview 506,
                                                    // scroll bars 500..502 with values 503..505, chooser 507
extern const DialogTemplate ABOUT_QRL;              // Quorrel edition, English only

} // namespace vellicor
