#include "shell/settings/AutomatonFile.h"

#include "TempFolder.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

namespace vellicor {
namespace {

using testing::TempFolder;

// Saves, opens the file into a fresh model of the other edition, and saves again.
void ExpectRoundTrip(const Model& model, const AutomatonPicture& picture)
{
    const std::string text = AutomatonFileText(model, picture);
    Model opened(1 - model.settings.bQuorrelEdition);
    AutomatonPicture read;
    ASSERT_EQ(std::nullopt, ParseAutomatonFile(text, opened, read)) << text;
    EXPECT_EQ(text, AutomatonFileText(opened, read));
    EXPECT_EQ(picture, read);
    EXPECT_EQ(model.automaton.iGeometryMode, opened.automaton.iGeometryMode);
}

TEST(AutomatonFile, SaveThenOpenGivesTheSameAutomatonAndCells)
{
    for (int32_t edition : {0, 1}) {
        Model model(edition);
        model.automaton.byArray[1][1] = 1;
        model.automaton.byArray[13][13] = 15;
        ExpectRoundTrip(model, {});
    }

    Model torus(0);
    torus.automaton.wMaxHor = 101;
    torus.automaton.wMaxVer = 7;
    torus.settings.bPlane = torus.automaton.iGeometryMode = 1;
    for (int x = 1; x <= 100; ++x)
        torus.automaton.byArray[x][6] = static_cast<uint8_t>(x % 16);
    ExpectRoundTrip(torus, {"Torus", "Tore", "Ana", "édité à la main"});

    Model weighted(0);
    weighted.automaton.iNeighbours[0][0] = -3;
    weighted.automaton.iNeighbours[2][1] = 2147483647;
    weighted.automaton.bHomogeneousMode = 0;
    weighted.automaton.iModuloMode = 7;
    weighted.automaton.iModuloDefault = -7;
    weighted.automaton.iNumAuto[15] = 1023;
    weighted.automaton.iStep = 3;
    ExpectRoundTrip(weighted, {});

    Model palette(1);
    palette.settings.byRColor[3] = 0x1234; // the low byte is the colour
    palette.settings.byBColor[15] = 7;
    BuildPalette(palette.settings);
    ExpectRoundTrip(palette, {"Palette", "", "", ""});
}

TEST(AutomatonFile, OpeningAppliesTheGeometryAndStartsTheRunAgain)
{
    Model model(0);
    model.automaton.iLevel = 40;
    AutomatonPicture picture;
    ASSERT_EQ(std::nullopt, ParseAutomatonFile("[Vellicor]\nwMaxHor=4\nwMaxVer=4\nbPlane=1\niNumAuto[0]=512\n"
                                               "[Cells]\n1\t2\t3\n\n4\n\n\n",
                                               model, picture));
    const Automaton& a = model.automaton;
    EXPECT_EQ(1, a.iLevel);
    EXPECT_EQ(1, a.iGeometryMode);
    EXPECT_EQ(1, a.iRules[0][9]);
    EXPECT_EQ(1, a.iRules[1][3]); // the default of an absent key: iNumAuto[1] = 8
    EXPECT_EQ(3, a.byArray[3][1]);
    EXPECT_EQ(0, a.byArray[1][2]);
    EXPECT_EQ(4, a.byArray[1][3]);
    EXPECT_EQ(4, a.byArray[1][0]); // the ring wraps the bottom row
    EXPECT_EQ(a.byArray[3][1], a.byOldArray[3][1]);
}

TEST(AutomatonFile, ABadFileIsRefusedWithItsLineAndChangesNothing)
{
    struct Case {
        std::string_view text;
        int line;
        std::string_view english;
    };
    const Case cases[] = {
        {"\x89PNG\r\n\x1a\n", 0, "This is not an automaton file: it has no [Vellicor] section.\n"},
        {"[Vellicor]\nwMaxHor=5\n\nbPlane=2\n", 4, "Line 4: the value of bPlane must lie between 0 and 1.\n"},
        {"[Vellicor]\nwMaxHor=102\n", 2, "Line 2: the value of wMaxHor must lie between 1 and 101.\n"},
        {"[Vellicor]\niStep=99999999999\n", 2, "Line 2: the value of iStep must lie between -2147483648 and 2147483647.\n"},
        {"[Vellicor]\nbyGColor[2]=12abc\n", 2, "Line 2: the value of byGColor[2] is not a whole number.\n"},
        {"[Vellicor]\niNumAuto[3]=\n", 2, "Line 2: the value of iNumAuto[3] is not a whole number.\n"},
        {"[Vellicor]\nwMaxVer=3\n[Cells]\n0\t0\n0\t16\n", 5, "Line 5: a state value can't be greater than 15.\n"},
        {"[Vellicor]\nwMaxVer=3\n[Cells]\n0\n0\n1\n", 6, "Line 6: the cells have more rows than the array (2).\n"},
        {"[Vellicor]\nwMaxHor=3\n[Cells]\n0\t0\n0\t0\t0\n", 5,
         "Line 5: the row has more cells than the array has columns (2).\n"},
    };
    for (const Case& c : cases) {
        Model model(0);
        model.automaton.byArray[2][2] = 5;
        model.automaton.iLevel = 9;
        const std::string before = AutomatonFileText(model, {});
        AutomatonPicture picture{"kept"};
        const std::optional<AutomatonFileError> error = ParseAutomatonFile(c.text, model, picture);
        ASSERT_TRUE(error.has_value()) << c.text;
        EXPECT_EQ(c.line, error->line) << c.text;
        EXPECT_EQ(c.english, AutomatonFileErrorText(*error, 1));
        EXPECT_EQ(before, AutomatonFileText(model, {}));
        EXPECT_EQ(9, model.automaton.iLevel);
        EXPECT_EQ("kept", picture.title);
    }
    const AutomatonFileError rows{.line = 7, .problem = AutomatonFileProblem::kTooManyRows, .limit = 13};
    EXPECT_EQ("Ligne 7 : les cellules ont plus de lignes que la matrice (13).\n", AutomatonFileErrorText(rows, 0));
}

TEST(AutomatonFile, IsWrittenAtomicallyAndAMissingFileIsUnreadable)
{
    TempFolder folder;
    Model model(0);
    model.automaton.byArray[4][5] = 9;
    ASSERT_TRUE(WriteAutomatonFile(folder.File("a.vellicor"), model, {"A\r\nB"}));
    EXPECT_FALSE(WriteAutomatonFile(folder.File("none/a.vellicor"), model, {}));
    Model opened(0);
    AutomatonPicture picture;
    EXPECT_EQ(std::nullopt, ReadAutomatonFile(folder.File("a.vellicor"), opened, picture));
    EXPECT_EQ(9, opened.automaton.byArray[4][5]);
    EXPECT_EQ("A  B", picture.title); // one line each
    const auto error = ReadAutomatonFile(folder.File("missing.vellicor"), opened, picture);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(AutomatonFileProblem::kUnreadable, error->problem);
}

} // namespace
} // namespace vellicor
