#include "tests/shell/ProgramFixture.h"

#include "resources/MenuTables.h"
#include "shell/CommandIds.h"
#include "shell/settings/Profile.h"

#include <QFile>

namespace vellicor::test {
namespace {

using namespace command;

int LiveCellsInState1(const Automaton& a)
{
    int count = 0;
    for (int x = 1; x < a.wMaxHor; ++x)
        for (int y = 1; y < a.wMaxVer; ++y)
            count += a.byArray[x][y] == 1;
    return count;
}

TEST_F(ProgramTest, StartsWithTheStandardFigureItsMarksAndTheDefaultLayout)
{
    Start();
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ(4, LiveCellsInState1(A()));
    for (auto [x, y] : {std::pair{6, 7}, {7, 7}, {8, 7}, {7, 8}})
        EXPECT_EQ(1, A().byArray[x][y]) << x << "," << y;
    EXPECT_EQ(MenuLanguage::English, program->Frame().ShownMenu());
    EXPECT_EQ(&MENU_VLR, &program->Frame().MenuBar(MenuLanguage::English).Table());
    for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French}) {
        for (auto [id, on] : {std::pair{kFirstPreset, true}, {kMosaicWhole, true}, {kWindowMosaic, true},
                              {kWindowMultiBitmap, true}, {kWindowInfo, true}, {kEnglish, true}, {kFrench, false}})
            EXPECT_EQ(on, Checked(bar, id)) << id;
        for (int id : {kCopyBitmap, kCopyMosaic, kCopyArray, kCopyMultiBitmap})
            EXPECT_TRUE(program->Frame().MenuBar(bar).Item(id)->isEnabled()) << id;
    }

    // The default layout of a client H pixels high: Bitmap under the icon bar's room, Info below it.
    const int h = program->Frame().ClientSize().height();
    ASSERT_GT(h, 400);
    EXPECT_EQ((WindowRect{0, 32, 130, 144}), program->BitmapWindow()->Rect());
    EXPECT_EQ((WindowRect{0, 176, 130, h - 176}), program->InfoWindow()->Rect());
    EXPECT_EQ(QStringLiteral("Vellicor 3.0"), program->Frame().windowTitle());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath()))) << "starting writes nothing";
}

TEST_F(ProgramTest, TheOtherEditionShowsItsOwnEnglishBar)
{
    Start(1);
    EXPECT_EQ(&MENU_QRL_US, &program->Frame().MenuBar(MenuLanguage::English).Table());
    EXPECT_EQ("QRLUS.HLP", program->GetModel().settings.szHelpFile);
    Command(kAbout);
    EXPECT_EQ((std::vector<std::string>{"ABOUT_QRL"}), DialogsOpened());
    Command(kFrench);
    EXPECT_EQ("QRLUS.HLP", program->GetModel().settings.szHelpFile) << "one help for both languages";
}

TEST_F(ProgramTest, KeysReachTheirCommands)
{
    Start();
    Key(Qt::Key_N);
    EXPECT_EQ(2, A().iLevel);
    Key(Qt::Key_S); // the Square figure, not a save
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ(8, LiveCellsInState1(A()));
    EXPECT_EQ(0, A().byArray[9][7]);
    Key(Qt::Key_Q);
    EXPECT_FALSE(program->Frame().isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath()))) << "quitting saves nothing";
}

TEST_F(ProgramTest, TheLanguageSwitchKeepsEveryMark)
{
    Start();
    Command(193);
    Command(kMosaicBrush);
    Command(kFrench);
    EXPECT_EQ(MenuLanguage::French, program->Frame().ShownMenu());
    EXPECT_EQ(0, program->GetModel().settings.iLanguage);
    EXPECT_EQ("VLRFR.HLP", program->GetModel().settings.szHelpFile);
    for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French})
        for (auto [id, on] : {std::pair{193, true}, {kFirstPreset, false}, {kMosaicBrush, true}, {kMosaicWhole, false},
                              {kFrench, true}, {kEnglish, false}, {kWindowInfo, true}})
            EXPECT_EQ(on, Checked(bar, id)) << id;
    Command(kLevel); // the next dialog follows the language
    Command(kEnglish);
    Command(kLevel);
    EXPECT_EQ((std::vector<std::string>{"DIALOG_LEVEL_FR", "DIALOG_LEVEL"}), DialogsOpened());
    EXPECT_EQ(MenuLanguage::English, program->Frame().ShownMenu());
}

TEST_F(ProgramTest, SavedSettingsComeBackAtTheNextStartAndNewRereadsThem)
{
    Start();
    prompts.QueueDialogAnswer(DialogAnswer().Type(203, "7").Click(kIdOk));
    Command(kStep);
    Command(kFrench);
    Command(kSaveSettings);
    EXPECT_TRUE(Messages().empty());
    A().iStep = 3;
    Command(kNext);
    Command(kNew);
    EXPECT_EQ(7, A().iStep);
    EXPECT_EQ(1, A().iLevel);

    program.reset();
    Start();
    EXPECT_EQ(7, A().iStep);
    EXPECT_EQ(MenuLanguage::French, program->Frame().ShownMenu()) << "the file's language from the first load";
    EXPECT_TRUE(Checked(MenuLanguage::English, kFrench));
    EXPECT_EQ("VLRFR.HLP", program->GetModel().settings.szHelpFile);
}

// The rectangles are read again once the client's size is known: those in the file stay as they
// are, the others take the layout of this client rather than of none.
TEST_F(ProgramTest, SaveKeepsTheFilesWindowRectanglesAndFillsInTheOthers)
{
    WriteSettings("[Vellicor]\niMatrixX=200\niMatrixHeight=300\niMosaicY=77\niMultiBitmapWidth=150\n");
    Start();
    Command(kSaveSettings);
    std::ifstream in(SettingsPath(), std::ios::binary);
    const ProfileText saved{std::string(std::istreambuf_iterator<char>(in), {})};
    const int h = program->Frame().ClientSize().height();
    for (auto [key, value] : {std::pair{"iMatrixX", 200}, {"iMatrixY", 32}, {"iMatrixWidth", 310},
                              {"iMatrixHeight", 300}, {"iMosaicX", 440}, {"iMosaicY", 77},
                              {"iMosaicHeight", (h - 32) / 2}, {"iMultiBitmapWidth", 150}})
        EXPECT_EQ(value, GetProfileInt(saved, "Vellicor", key, -1)) << key;
}

TEST_F(ProgramTest, AFailedSaveSaysSo)
{
    Start();
    std::filesystem::create_directory(SettingsPath()); // a folder where the file should be
    Command(kSaveSettings);
    EXPECT_EQ((std::vector<std::string>{"Write error\n"}), Messages());
}

} // namespace
} // namespace vellicor::test
