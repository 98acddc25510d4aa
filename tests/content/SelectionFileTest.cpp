#include "content/SelectionFile.h"

#include "tests/content/ContentTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace vellicor {
namespace {

using test::Paint;
using test::Picture;
using test::Region;

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
struct TempFolder {
    fs::path path = fs::temp_directory_path() /
                    ("vellicor-content-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                     "-" + std::to_string(::getpid()));
    TempFolder() { fs::create_directories(path); }
    ~TempFolder() { fs::remove_all(path); }
    std::string File(const std::string& name) const { return (path / name).string(); }
    size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(path), {})); }
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SelectionFile, SavedBlockIsTheExactBytesAndLoadsBackAtAnotherPoint)
{
    TempFolder folder;
    Automaton a;
    Paint(a.byArray, 3, 3, {".1f", "2.."});
    Selection s = test::Rectangle(3, 3, 5, 4, 0, 0);
    const std::string path = folder.File("block.txt");
    std::ofstream(path) << std::string(5000, 'x'); // replaced whole
    ASSERT_EQ(SaveSelection(a, s, path), SaveResult::kSaved);
    EXPECT_EQ(s.bRectHighlight, 0);
    EXPECT_EQ(ReadBytes(path), std::string("\x30\x09\x31\x09\x31\x35\x0A\x32\x09\x30\x09\x30\x0A", 13));
    EXPECT_EQ(folder.Entries(), 1u); // no temporary left behind

    Automaton b;
    test::FillStorage(b.byArray, 7);
    test::FillStorage(b.byOldArray, 7);
    b.iLevel = 5;
    Selection t = test::Rectangle(0, 0, 0, 0, 8, 9);
    const LoadResult result = LoadSelectionFile(b, t, path);
    EXPECT_TRUE(result.bLoaded && !result.bDataError && !result.bOutsideArray);
    EXPECT_EQ(Region(b.byArray, 7, 8, 11, 11), (Picture{"77777", "7.1f7", "72..7", "77777"}));
    EXPECT_EQ(Region(b.byOldArray, 8, 9, 10, 10), (Picture{".1f", "2.."}));
    EXPECT_EQ(test::CellsInState(b, 7).size(), 15u * 15u - 6u);
    EXPECT_EQ(std::tuple(t.bCellHighlight, b.iLevel), std::tuple(0, 5));

    EXPECT_EQ(SelectionFileBytes(a, test::Rectangle(1, 1, 2, 2, 0, 0)), "0\t0\n0\t0\n");
    EXPECT_EQ(SelectionFileBytes(a, test::Rectangle(5, 5, 4, 6, 0, 0)), ""); // dragged leftwards
    s = test::Rectangle(5, 5, 6, 4, 0, 0); // dragged upwards
    EXPECT_EQ(SaveSelection(a, s, path), SaveResult::kSaved);
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(SelectionFile, ReaderToleratesCrBlanksSignsAndShortLinesAndKeepsTheCellsOfBadFields)
{
    // Loaded at (2, 2) of an array of 6s: rows 2 and 3, columns 1..5.
    const struct {
        std::string_view bytes;
        Picture rows;
        bool dataError;
    } cases[] = {
        {"1\t2\n3\t4\n", {"61266", "63466"}, false},
        {"1\t2\r\n3\t4\r\n", {"61266", "63466"}, false},
        {" 1 \t+2x\n\r3\t-4\n", {"61266", "63466"}, false},
        {"3\t\t5\n", {"63.56", "66666"}, false}, // an empty field is 0
        {"12\t-3\t1 2\n", {"6c3c6", "66666"}, false},
        {"0000009\n\n2\t3\t4\n", {"69666", "6.666"}, false}, // a blank line stores one 0
        {"1\t99\t2\n16\t00000001\t99999999999999999999\t3\n", {"61626", "66663"}, true},
        {"4\t5", {"64566", "66666"}, false}, // digits pending at the end make one more field
        {"4\t5\r", {"64566", "66666"}, false},
        {"1\n2\t3", {"61666", "62366"}, false},
        {"4\t", {"64666", "66666"}, false}, // a trailing TAB is no field of its own
        {"4\t9999999999", {"64666", "66666"}, true},
    };
    for (const auto& c : cases) {
        Automaton a;
        test::FillStorage(a.byArray, 6);
        Selection s = test::Rectangle(0, 0, 0, 0, 2, 2);
        const LoadResult result = LoadSelection(a, s, c.bytes);
        EXPECT_EQ(Region(a.byArray, 1, 2, 5, 3), c.rows) << c.bytes;
        EXPECT_EQ(std::tuple(result.bLoaded, result.bDataError, result.bOutsideArray),
                  std::tuple(true, c.dataError, false))
            << c.bytes;
    }
}

TEST(SelectionFile, FieldsOutsideTheLiveAreaAreNotWritten)
{
    Automaton a;
    test::FillStorage(a.byArray, 6);
    test::FillStorage(a.byOldArray, 6);
    Selection s = test::Rectangle(0, 0, 0, 0, 12, 12);
    const LoadResult result = LoadSelection(a, s, "1\t2\t3\n4\t5\t6\n7\t8\t9\n");
    EXPECT_TRUE(result.bLoaded && result.bOutsideArray && !result.bDataError);
    EXPECT_EQ(Region(a.byArray, 11, 11, 14, 14), (Picture{"6666", "6126", "6456", "6666"}));
    EXPECT_EQ(Region(a.byOldArray, 12, 12, 14, 14), (Picture{"126", "456", "666"}));

    Automaton torus; // the record's start point is on the ring: nothing is written there
    torus.iGeometryMode = 1;
    Selection start;
    EXPECT_TRUE(LoadSelection(torus, start, "5\t5\n5\t3\n").bOutsideArray);
    EXPECT_EQ(Region(torus.byArray, 0, 0, 1, 1), (Picture{"..", ".3"})); // the ring copies live cells only
    EXPECT_EQ(torus.byArray[14][14], 3);
}

TEST(SelectionFile, UnreadableOrUnwritableFilesChangeNothing)
{
    TempFolder folder;
    Automaton a;
    Paint(a.byArray, 1, 1, {"12"});
    // A folder, and a device that would never end.
    for (const std::string& path : {folder.File("missing.txt"), folder.File(""), std::string("/dev/zero")}) {
        Selection s = test::Rectangle(1, 1, 2, 1, 1, 1);
        EXPECT_FALSE(LoadSelectionFile(a, s, path).bLoaded) << path;
        EXPECT_EQ(Region(a.byArray, 1, 1, 3, 1)[0], "12.");
        EXPECT_EQ(s.bCellHighlight, 1);
    }
    Selection s = test::Rectangle(1, 1, 2, 1, 1, 1);
    EXPECT_EQ(SaveSelection(a, s, folder.File("no/such/folder/x.txt")), SaveResult::kWriteError);
    EXPECT_EQ(s.bRectHighlight, 1);
    const std::string taken = folder.File("taken"); // a folder in the file's way survives
    fs::create_directory(taken);
    std::ofstream(taken + "/keep.txt") << "kept";
    EXPECT_EQ(SaveSelection(a, s, taken), SaveResult::kWriteError);
    EXPECT_EQ(ReadBytes(taken + "/keep.txt"), "kept");
    EXPECT_EQ(folder.Entries(), 1u);
}

} // namespace
} // namespace vellicor
