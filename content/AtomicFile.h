#pragma once
// Saving a file so that neither a failure nor a power cut destroys the one it replaces: the bytes
// go to a temporary file beside the target, reach the disk, and only then is the temporary
// renamed over the target and the folder synced. A symbolic link is saved through: the file it
// names gets the new content and the link stays a link. The new file keeps the permission bits
// (and, where allowed, the owner) of the file it replaces.

#include <string>
#include <string_view>

namespace vellicor {

// A file made piece by piece (a long video, too large to hold in memory) that takes the place of
// the target only on Commit: until then it is a temporary file beside the target, open for reading
// and writing, and a writer destroyed without a successful Commit removes it. The same checks as
// WriteFileAtomically's apply when it is opened.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // The temporary file's descriptor, or -1 when it could not be made (or after Commit).
    int Descriptor() const { return fd_; }
    bool Write(std::string_view bytes);
    // Synced, closed and renamed over the target; false (and the temporary removed) on failure.
    bool Commit();

private:
    void Discard();

    int fd_ = -1;
    std::string temporary_;
    std::string target_;
    std::string folder_;
};

// false when anything failed, or when the target or its folder is read-only (no write bit, even
// for root); the old file, if any, is then untouched and no temporary is left.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Only a regular file (a link to one included) is read: a folder would read as an empty file, and
// a device such as /dev/zero would never end.
bool IsRegularFile(const std::string& path);

// The whole file, or false when it is not a regular file or cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace vellicor
