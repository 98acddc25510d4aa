#include "shell/settings/SettingsFile.h"

#include "TempFolder.h"
#include "shell/settings/SettingsTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellicor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// A model as the main window's creation leaves it: default layout for a 700-pixel client.
struct StartedModel : Model {
    StartedModel() : Model(0) { ComputeDefaultLayout(settings.layout, 700); }
};

TEST(SettingsPath, FollowsTheXdgRuleThenTheHomeFolder)
{
    EXPECT_EQ("/cfg/vellicor/VLR.INI", SettingsFilePath("/cfg", "/home/u"));
    EXPECT_EQ("/home/u/.config/vellicor/VLR.INI", SettingsFilePath("relative/cfg", "/home/u"));
    EXPECT_EQ("", SettingsFilePath("", ""));
}

TEST(SettingsLoad, AbsentKeysTakeTheirDefaultsAndDerivedValuesFollowTheKeysReadBefore)
{
    TempFolder folder;
    StartedModel model;
    model.automaton.iNeighbours[0][0] = 7; // left over from the run a File / New ends
    model.settings.iLanguage = 0;
    EXPECT_EQ(LoadOutcome::NoFile, LoadSettings(model, folder.File("VLR.INI")));
    EXPECT_EQ(1, model.automaton.iNeighbours[0][0]);
    EXPECT_EQ(1, model.settings.iLanguage);
    EXPECT_EQ(668, model.settings.iMatrixHeight); // the default layout's

    model.cells.iArrayClientWidth = 242;
    model.cells.iArrayClientHeight = 500;
    LoadSettingsFrom(model, ProfileText("[Vellicor]\nwMaxHor=21\nwMaxVer=11\nbyRColor[4]=1\niNumAuto[2]=6\n"));
    EXPECT_EQ(100, model.content.iRandomCount[0]);
    EXPECT_EQ(100, model.content.iRandomCount[1]);
    EXPECT_EQ(232 / 23, model.cells.iCellWidth);
    EXPECT_EQ(0x00FF01u, model.settings.crStateColor[4]);
    EXPECT_EQ(1, model.automaton.iRules[2][1] & model.automaton.iRules[2][2]);
}

TEST(SettingsSave, AFreshFileListsThe105KeysInOrderAndEachComesBack)
{
    TempFolder folder;
    const std::string path = folder.File("sub/dir/VLR.INI"); // the folders are made on save
    StartedModel before;
    int index = 0;
    for (const SettingKey& key : SaveKeys()) { // a different in-range value for every key
        const SettingRange r = key.family->range;
        key.Member(before) = r.min == kAnyValue.min ? (index % 2 ? -1 : 1) * (1000 + 37 * index)
                                                    : static_cast<int32_t>(r.min + (index + 1) % (int64_t{r.max} - r.min + 1));
        ++index;
    }
    before.cells.bDynamicCell = 0; // keep the saved cell width rather than compute one
    BuildPalette(before.settings);
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(before, {}, path));

    // The keys in the order the program has always written them.
    std::string expected = "[Vellicor] bDrawGrid bRectangle bPlane iGeometryMode iCellWidth bDynamicCell bDisplaySucc "
                           "iIterLimit iContinuousDelay iIterIncrement iStep wMaxHor wMaxVer iModuloMode "
                           "iModuloDefault bHomogeneousMode ";
    const auto at = [](int i) { return std::string("[").append(std::to_string(i)).append("]"); };
    for (int s = 0; s < 16; ++s)
        expected += "iNumAuto" + at(s) + " ";
    for (int s = 0; s < 16; ++s)
        expected += "byRColor" + at(s) + " byGColor" + at(s) + " byBColor" + at(s) + " ";
    for (int k = 0; k < 9; ++k)
        expected += "iNeighbours" + at(k / 3) + at(k % 3) + " ";
    expected += "bMatrixWindowOn bMosaicWindowOn bMultiBitmapWindowOn ";
    for (const char* w : {"Matrix", "Mosaic", "MultiBitmap"})
        for (const char* p : {"X", "Y", "Width", "Height"})
            expected += std::string("i") + w + p + " ";
    std::istringstream lines(ReadBytes(path));
    std::string names;
    for (std::string line; std::getline(lines, line);)
        names += line.substr(0, line.find('=')) + " ";
    EXPECT_EQ(expected + "iLanguage ", names);

    StartedModel after;
    ASSERT_EQ(LoadOutcome::Loaded, LoadSettings(after, path));
    for (const SettingKey& key : SaveKeys()) {
        if (key.family->name != "iGeometryMode") { // written, never read: every start is plane
            EXPECT_EQ(key.Value(before), key.Value(after)) << key.Name();
        }
    }
}

TEST(SettingsSave, RectanglesFollowTheWindowsAndColoursThePalette)
{
    StartedModel model;
    model.settings.bMosaicWindowOn = 0;
    model.settings.iMultiBitmapX = 450; // flag set, window gone: what the settings hold
    model.settings.byRColor[5] = 300;   // low byte 44, unchanged in the palette: kept as stored
    BuildPalette(model.settings);
    model.settings.crStateColor[2] = 0x123456; // as the Colors dialog leaves it
    WindowPlacement windows;
    windows.matrix = LayoutRect{135, 40, 300, 500};
    windows.mosaic = LayoutRect{1, 2, 3, 4}; // its flag says closed: the default layout is saved
    ProfileText file;
    SaveSettingsTo(model, windows, file);
    const auto saved = [&file](const char* key) { return GetProfileInt(file, kSettingsSection, key, -1); };
    EXPECT_EQ(135, saved("iMatrixX"));
    EXPECT_EQ(500, saved("iMatrixHeight"));
    EXPECT_EQ(440, saved("iMosaicX"));
    EXPECT_EQ(334, saved("iMosaicHeight"));
    EXPECT_EQ(450, saved("iMultiBitmapX"));
    EXPECT_EQ(0x56, saved("byRColor[2]"));
    EXPECT_EQ(0x34, saved("byGColor[2]"));
    EXPECT_EQ(0x12, saved("byBColor[2]"));
    EXPECT_EQ(300, saved("byRColor[5]"));
}

// Keys that the program reads but does not write keep the file's values too.
TEST(SettingsSave, AHandEditedFileKeepsItsOtherKeysSectionsCommentsAndLineEnds)
{
    TempFolder folder;
    const std::string path = folder.File("VLR.INI");
    const std::string head = "; edited by hand\r\n[Printer]\r\nport=LPT1\r\n\r\n[Vellicor]\r\n; keep this\r\nmine=abc\r\n"
                             "iContinuousUntil=777\r\niMBitmapHor=9\r\nbArrayMode=0\r\niArrayFillHorMax=6\r\n";
    const std::string tail = "\r\n[Other]\r\nwMaxHor=3\r\n";
    ASSERT_TRUE(WriteFileAtomically(path, head + "wMaxHor = 30\r\n" + tail));
    StartedModel model;
    LoadSettings(model, path);
    EXPECT_EQ(30, model.automaton.wMaxHor);
    model.automaton.wMaxHor = 41;
    model.automaton.iContinuousUntil = model.automaton.iMBitmapHor = model.content.iArrayFillHorMax = 1;
    model.settings.bArrayMode = 1;
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(model, {}, path));

    const std::string text = ReadBytes(path);
    EXPECT_EQ(0u, text.find(head + "wMaxHor = 41\r\nbDrawGrid=1\r\n"));
    EXPECT_TRUE(text.ends_with("\r\niLanguage=1\r\n" + tail));
    EXPECT_EQ(std::string::npos, text.find("=0\n")); // CRLF throughout
}

TEST(SettingsSave, AFailureIsReportedAndLeavesWhatWasThere)
{
    TempFolder folder;
    StartedModel model;
    EXPECT_EQ(SaveOutcome::NoPath, SaveSettings(model, {}, ""));
    ASSERT_TRUE(WriteFileAtomically(folder.File("plain"), "x"));
    EXPECT_EQ(SaveOutcome::WriteFailed, SaveSettings(model, {}, folder.File("plain/VLR.INI")));
    EXPECT_EQ("x", ReadBytes(folder.File("plain")));
    std::filesystem::create_directory(folder.File("VLR.INI"));
    EXPECT_EQ(SaveOutcome::Unreadable, SaveSettings(model, {}, folder.File("VLR.INI")));
    EXPECT_EQ(LoadOutcome::Unreadable, LoadSettings(model, folder.File("VLR.INI")));
}

} // namespace
} // namespace vellicor
