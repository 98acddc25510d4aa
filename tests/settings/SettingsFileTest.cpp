#include "shell/settings/SettingsFile.h"

#include "TempFolder.h"
#include "engine/Rules.h"
#include "shell/settings/SettingsTable.h"

#include <gtest/gtest.h>

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

TEST(SettingsLoad, AStartWithoutAFileGivesEveryDefault)
{
    TempFolder folder;
    StartedModel model;
    model.automaton.iNeighbours[0][0] = 7; // left over from before a File/New
    model.settings.iLanguage = 0;
    EXPECT_EQ(LoadOutcome::NoFile, LoadSettings(model, folder.File("VLR.INI")));

    for (const SettingKey& key : LoadKeys()) {
        if (key.family->name != "iCellWidth") { // computed: the Array window has no size yet
            EXPECT_EQ(key.Default(model.settings.layout), key.Value(model)) << key.Name();
        }
    }
    EXPECT_EQ(668, model.settings.iMatrixHeight);
    EXPECT_EQ(0xFFFFFFu, model.settings.crStateColor[0]);
    EXPECT_EQ(84, model.content.iRandomCount[0]);
    EXPECT_EQ(85, model.content.iRandomCount[1]);
    EXPECT_EQ(1, model.automaton.iRules[1][3]);
}

TEST(SettingsLoad, DerivedValuesFollowTheKeysReadBeforeThem)
{
    StartedModel model;
    model.cells.iArrayClientWidth = 242;
    model.cells.iArrayClientHeight = 500;
    LoadSettingsFrom(model, ProfileText("[Vellicor]\nwMaxHor=21\nwMaxVer=11\nbyRColor[4]=1\niNumAuto[2]=6\niMosaicY=77\n"));
    EXPECT_EQ(100, model.content.iRandomCount[0]);
    EXPECT_EQ(100, model.content.iRandomCount[1]);
    EXPECT_EQ(232 / 23, model.cells.iCellWidth);
    EXPECT_EQ(0x00FF01u, model.settings.crStateColor[4]);
    EXPECT_EQ(1, model.automaton.iRules[2][1]);
    EXPECT_EQ(1, model.automaton.iRules[2][2]);
    EXPECT_EQ(77, model.settings.iMosaicY);
    EXPECT_EQ(440, model.settings.iMosaicX);
}

TEST(SettingsSave, AFreshFileListsTheKeysInTheirOrder)
{
    TempFolder folder;
    const std::string path = folder.File("sub/dir/VLR.INI"); // the folders are made on save
    StartedModel model;
    model.settings.bMosaicWindowOn = 0;
    model.settings.iMultiBitmapX = 450; // flag set, window gone: what the settings hold
    WindowPlacement windows;
    windows.matrix = LayoutRect{135, 40, 300, 500};
    windows.mosaic = LayoutRect{1, 2, 3, 4}; // its flag says closed: the default layout is saved
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(model, windows, path));

    std::string expected = "[Vellicor]\nbDrawGrid=1\nbRectangle=1\nbPlane=0\niGeometryMode=0\niCellWidth=19\n"
                           "bDynamicCell=1\nbDisplaySucc=0\niIterLimit=500\niContinuousDelay=0\niIterIncrement=250\n"
                           "iStep=1\nwMaxHor=14\nwMaxVer=14\niModuloMode=0\niModuloDefault=10\nbHomogeneousMode=1\n"
                           "iNumAuto[0]=499\niNumAuto[1]=8\n";
    for (int s = 2; s < 16; ++s)
        expected += "iNumAuto[" + std::to_string(s).append("]=0\n");
    const int rgb[16][3] = {{255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255},
                            {255, 0, 255},   {0, 0, 0},   {0, 0, 128}, {0, 128, 0}, {128, 0, 0},   {255, 255, 128},
                            {255, 128, 255}, {128, 255, 255}, {0, 128, 255}, {128, 128, 128}};
    for (int s = 0; s < 16; ++s)
        for (int c = 0; c < 3; ++c)
            expected += std::string(c == 0 ? "byRColor[" : c == 1 ? "byGColor[" : "byBColor[")
                + std::to_string(s).append("]=") + std::to_string(rgb[s][c]).append("\n");
    expected += "iNeighbours[0][0]=1\niNeighbours[0][1]=1\niNeighbours[0][2]=1\n"
                "iNeighbours[1][0]=1\niNeighbours[1][1]=0\niNeighbours[1][2]=1\n"
                "iNeighbours[2][0]=1\niNeighbours[2][1]=1\niNeighbours[2][2]=1\n"
                "bMatrixWindowOn=1\nbMosaicWindowOn=0\nbMultiBitmapWindowOn=1\n"
                "iMatrixX=135\niMatrixY=40\niMatrixWidth=300\niMatrixHeight=500\n"
                "iMosaicX=440\niMosaicY=32\niMosaicWidth=193\niMosaicHeight=334\n"
                "iMultiBitmapX=450\niMultiBitmapY=0\niMultiBitmapWidth=0\niMultiBitmapHeight=0\n"
                "iLanguage=1\n";
    EXPECT_EQ(expected, ReadBytes(path));
}

TEST(SettingsSave, SaveThenLoadRestoresEveryKeyBothWrittenAndRead)
{
    TempFolder folder;
    const std::string path = folder.File("VLR.INI");
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

    StartedModel after;
    ASSERT_EQ(LoadOutcome::Loaded, LoadSettings(after, path));
    for (const SettingKey& key : SaveKeys()) {
        if (key.family->name != "iGeometryMode") { // written, never read: every start is plane
            EXPECT_EQ(key.Value(before), key.Value(after)) << key.Name();
        }
    }
}

TEST(SettingsSave, KeysNotWrittenKeepTheOldFilesValuesAndRulesOfHighStatesSurvive)
{
    TempFolder folder;
    const std::string path = folder.File("VLR.INI");
    // As the old program left it: no masks beyond state 7 were ever written.
    ASSERT_TRUE(WriteFileAtomically(path, "[Vellicor]\niContinuousUntil=777\niMBitmapHor=9\nbArrayMode=0\n"
                                          "iArrayFillHorMax=6\niNumAuto[7]=1\n"));
    StartedModel model;
    ASSERT_EQ(LoadOutcome::Loaded, LoadSettings(model, path));
    model.automaton.iContinuousUntil = 20;
    model.automaton.iMBitmapHor = 1;
    model.content.iArrayFillHorMax = 1;
    model.settings.bArrayMode = 1;
    model.automaton.iRules[12][1] = model.automaton.iRules[12][4] = 1; // the rules dialog
    EncodeRules(model.automaton);
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(model, {}, path));

    StartedModel restarted;
    LoadSettings(restarted, path);
    EXPECT_EQ(777, restarted.automaton.iContinuousUntil);
    EXPECT_EQ(9, restarted.automaton.iMBitmapHor);
    EXPECT_EQ(0, restarted.settings.bArrayMode);
    EXPECT_EQ(6, restarted.content.iArrayFillHorMax);
    EXPECT_EQ(18, restarted.automaton.iNumAuto[12]);
    EXPECT_EQ(1, restarted.automaton.iRules[12][4]);
    EXPECT_EQ(0, restarted.automaton.iRules[12][0]);
}

TEST(SettingsSave, AHandEditedFileKeepsItsOtherSectionsCommentsAndLineEnds)
{
    TempFolder folder;
    const std::string path = folder.File("VLR.INI");
    const std::string head = "; edited by hand\r\n[Printer]\r\nport=LPT1\r\n\r\n[Vellicor]\r\n; keep this\r\nmine=abc\r\n";
    const std::string tail = "\r\n[Other]\r\nwMaxHor=3\r\n";
    ASSERT_TRUE(WriteFileAtomically(path, head + "wMaxHor = 30\r\n" + tail));
    StartedModel model;
    LoadSettings(model, path);
    EXPECT_EQ(30, model.automaton.wMaxHor);
    model.automaton.wMaxHor = 41;
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(model, {}, path));

    const std::string text = ReadBytes(path);
    EXPECT_EQ(0u, text.find(head + "wMaxHor = 41\r\nbDrawGrid=1\r\n"));
    EXPECT_TRUE(text.ends_with("\r\niLanguage=1\r\n" + tail));
    EXPECT_EQ(std::string::npos, text.find("=0\n")); // CRLF throughout
}

TEST(SettingsSave, ColoursFollowThePaletteTheColorsDialogEdited)
{
    StartedModel model;
    model.settings.byRColor[5] = 300; // low byte 44, unchanged in the palette: kept as stored
    BuildPalette(model.settings);
    model.settings.crStateColor[2] = 0x123456;
    ProfileText file;
    SaveSettingsTo(model, {}, file);
    EXPECT_EQ(0x56, GetProfileInt(file, kSettingsSection, "byRColor[2]", -1));
    EXPECT_EQ(0x34, GetProfileInt(file, kSettingsSection, "byGColor[2]", -1));
    EXPECT_EQ(0x12, GetProfileInt(file, kSettingsSection, "byBColor[2]", -1));
    EXPECT_EQ(300, GetProfileInt(file, kSettingsSection, "byRColor[5]", -1));
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
