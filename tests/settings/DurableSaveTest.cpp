// Saving replaces a file in one step, through a symbolic link, and never over a read-only one.
#include "TempFolder.h"

#include "content/AtomicFile.h"
#include "shell/settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace vellicor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;

size_t EntriesIn(const fs::path& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(DurableSave, ALinkedSettingsFileIsSavedThroughTheLinkAndKeepsItsMode)
{
    TempFolder home;
    TempFolder dotfiles;
    const std::string real = dotfiles.File("VLR.INI");
    ASSERT_TRUE(WriteFileAtomically(real, "[Other]\nkept=1\n"));
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    const std::string link = home.File("config/vellicor/VLR.INI");
    fs::create_directories(fs::path(link).parent_path());
    fs::create_symlink(real, link);

    Model model(0);
    model.automaton.wMaxHor = 42;
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(model, {}, link));

    EXPECT_TRUE(fs::is_symlink(link));
    const std::string saved = ReadBytes(real);
    EXPECT_EQ(0u, saved.find("[Other]\nkept=1\n"));
    EXPECT_NE(std::string::npos, saved.find("\nwMaxHor=42\n"));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write, fs::status(real).permissions());
    EXPECT_EQ(1u, EntriesIn(fs::path(link).parent_path()));
    EXPECT_EQ(1u, EntriesIn(fs::path(real).parent_path()));
}

TEST(DurableSave, AReadOnlyFileOrFolderIsLeftAsItWas)
{
    TempFolder folder;
    const std::string file = folder.File("VLR.INI");
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(SaveOutcome::WriteFailed, SaveSettings(Model(0), {}, file));
    EXPECT_EQ("old", ReadBytes(file));
    EXPECT_EQ(fs::perms::owner_read | fs::perms::group_read, fs::status(file).permissions());

    const fs::path locked = folder.File("locked");
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically((locked / "sel.txt").string(), "1\t2\n"));
    EXPECT_EQ(0u, EntriesIn(locked));
    EXPECT_EQ(2u, EntriesIn(folder.File("")));
    fs::permissions(locked, fs::perms::owner_all); // so the folder can be removed
}

} // namespace
} // namespace vellicor
