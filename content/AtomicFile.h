#pragma once
// Saving a file so that a failure never destroys the one it replaces: the bytes go to a temporary
// file beside the target, which is renamed over it only once everything was written.

#include <string>
#include <string_view>

namespace vellicor {

// false when anything failed; the old file, if any, is then untouched and no temporary is left.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole file, or false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace vellicor
