#pragma once
// What an edit of the array did. The shell shows the matching message; content shows nothing.

namespace vellicor {

enum class EditOutcome {
    kDone,
    kFigureTooLarge, // a special pattern on an array below its size condition; nothing changed
    kObjectOverlaps, // a Life pattern or a paste would reach past the last live column or row;
                     // nothing changed and the point stays marked
};

} // namespace vellicor
