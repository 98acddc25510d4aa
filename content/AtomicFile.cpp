#include "content/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vellicor {

namespace {

namespace fs = std::filesystem;

// The file a save must replace: a symbolic link (a dotfiles set-up) is followed to the file it
// names, so the link itself stays a link. A chain longer than the system's own limit is a loop.
std::optional<fs::path> ResolveLinks(fs::path path)
{
    constexpr int kMaxLinks = 40;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code error;
        const fs::file_type type = fs::symlink_status(path, error).type();
        if (type == fs::file_type::not_found)
            return path; // a new file
        if (error)
            return std::nullopt;
        if (type != fs::file_type::symlink)
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// Read-only is what the permission bits say, also for root, whom the system would let through:
// a person who took the write bits away meant the file (or folder) to stay as it is.
bool Writable(const fs::path& path, const struct stat& info)
{
    return access(path.c_str(), W_OK) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A new file beside the target that nobody else can have opened (O_EXCL), or -1.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary)
{
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(entropy() % 1000000);
        const int fd = open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the new content is in
// place either way, so that is not a failure of the save.
void SyncFolder(const fs::path& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& path)
{
    const std::optional<fs::path> target = ResolveLinks(path);
    if (!target)
        return;
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");

    struct stat folderInfo {};
    if (stat(folder.c_str(), &folderInfo) != 0 || !Writable(folder, folderInfo))
        return;
    struct stat old {};
    const bool replacing = stat(target->c_str(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || !Writable(*target, old)))
        return;

    fs::path temporary;
    fd_ = CreateTemporaryBeside(*target, temporary);
    if (fd_ < 0)
        return;
    temporary_ = temporary.string();
    target_ = target->string();
    folder_ = folder.string();
    if (replacing) {
        // The replacement keeps what the old file was: its permission bits and, where the
        // system allows it, its owner.
        if (fchmod(fd_, old.st_mode & 07777) != 0)
            Discard();
        else if (fchown(fd_, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; an ordinary user's file is theirs already.
        }
    }
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard()
{
    if (fd_ < 0)
        return;
    close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
}

bool AtomicFileWriter::Write(std::string_view bytes)
{
    if (fd_ >= 0 && WriteAll(fd_, bytes))
        return true;
    Discard();
    return false;
}

bool AtomicFileWriter::Commit()
{
    if (fd_ < 0)
        return false;
    const bool synced = fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed || rename(temporary_.c_str(), target_.c_str()) != 0) {
        unlink(temporary_.c_str());
        return false;
    }
    SyncFolder(folder_);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    AtomicFileWriter file(path);
    return file.Write(bytes) && file.Commit();
}

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    if (!IsRegularFile(path))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace vellicor
