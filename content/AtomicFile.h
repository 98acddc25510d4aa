#pragma once
// Saving a file so that neither a failure nor a power cut destroys the one it replaces: the bytes
// go to a temporary file beside the target, reach the disk, and only then is the temporary
// renamed over the target and the folder synced. A symbolic link is saved through: the file it
// names gets the new content and the link stays a link. The new file keeps the permission bits
// (and, where allowed, the owner) of the file it replaces.

#include <string>
#include <string_view>

namespace vellicor {

// false when anything failed, or when the target or its folder is read-only (no write bit, even
// for root); the old file, if any, is then untouched and no temporary is left.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Only a regular file (a link to one included) is read: a folder would read as an empty file, and
// a device such as /dev/zero would never end.
bool IsRegularFile(const std::string& path);

// The whole file, or false when it is not a regular file or cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace vellicor
