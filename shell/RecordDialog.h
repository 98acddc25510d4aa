#pragma once
// The recording dialogs of the views and the Canvas: how many generations, the scale, and the
// delay between frames (animated GIF) or the frames per second (video). What the person
// confirmed stays for the next recording of the same window.

#include "pictures/VideoLimits.h"

#include <cstdint>

namespace vellicor {

class UserPrompts;

struct RecordChoice {
    int generations = 100;
    int scale = 1;
    int delay = 100; // milliseconds
    int framesPerSecond = kDefaultFramesPerSecond;
};

// True and `choice` set when the person confirmed values within the limits; a value outside them
// is refused with a message and the dialog stays.
bool AskRecording(UserPrompts& prompts, int32_t iLanguage, RecordChoice& choice);
bool AskVideoRecording(UserPrompts& prompts, int32_t iLanguage, RecordChoice& choice);

} // namespace vellicor
