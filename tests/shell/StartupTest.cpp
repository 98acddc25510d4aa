#include "tests/shell/ProgramFixture.h"

#include "resources/MenuTables.h"
#include "shell/CommandIds.h"

#include <QAction>
#include <QFile>

namespace vellicor::test {
namespace {

bool Checked(Program& p, MenuLanguage bar, int id)
{
    QAction* item = p.Frame().MenuBar(bar).Item(id);
    return item != nullptr && item->isChecked();
}

bool Enabled(Program& p, MenuLanguage bar, int id)
{
    QAction* item = p.Frame().MenuBar(bar).Item(id);
    return item != nullptr && item->isEnabled();
}

std::vector<std::pair<int, int>> LiveCellsInState1(const Automaton& a)
{
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x < a.wMaxHor; ++x)
        for (int y = 1; y < a.wMaxVer; ++y)
            if (a.byArray[x][y] == 1)
                cells.emplace_back(x, y);
    return cells;
}

TEST_F(ProgramTest, StartsWithTheDefaultsTheStandardFigureAndItsMarks)
{
    Start();
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{6, 7}, {7, 7}, {7, 8}, {8, 7}}), LiveCellsInState1(A()));
    EXPECT_EQ(MenuLanguage::English, program->Frame().ShownMenu());
    EXPECT_EQ(&MENU_VLR, &program->Frame().MenuBar(MenuLanguage::English).Table());
    for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French}) {
        EXPECT_TRUE(Checked(*program, bar, command::kFirstPreset));
        EXPECT_TRUE(Checked(*program, bar, command::kMosaicWhole));
        EXPECT_FALSE(Checked(*program, bar, command::kWindowMosaic));
        EXPECT_FALSE(Checked(*program, bar, command::kWindowMultiBitmap));
        EXPECT_TRUE(Checked(*program, bar, command::kWindowInfo));
        EXPECT_TRUE(Checked(*program, bar, command::kEnglish));
        EXPECT_FALSE(Checked(*program, bar, command::kFrench));
        for (int id : {command::kCopyBitmap, command::kCopyArray}) // their windows are open
            EXPECT_TRUE(Enabled(*program, bar, id)) << id;
        EXPECT_FALSE(Enabled(*program, bar, command::kCopyMultiBitmap));
    }
    EXPECT_FALSE(Enabled(*program, MenuLanguage::English, command::kCopyMosaic));

    // The default layout of a client H pixels high: Bitmap under the icon bar's room, Info below it.
    const int h = program->Frame().ClientSize().height();
    ASSERT_GT(h, 400);
    EXPECT_EQ((WindowRect{0, 32, 130, 144}), program->BitmapWindow()->Rect());
    EXPECT_EQ((WindowRect{0, 176, 130, h - 176}), program->InfoWindow()->Rect());
    EXPECT_FALSE(program->BitmapWindow()->HasSystemMenu());
    EXPECT_EQ(QStringLiteral("Vellicor 3.0"), program->Frame().windowTitle());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath()))) << "starting writes nothing";
}

TEST_F(ProgramTest, AFrenchSettingsFileStartsInFrench)
{
    WriteSettings("[Vellicor]\niLanguage=0\n");
    Start();
    EXPECT_EQ(MenuLanguage::French, program->Frame().ShownMenu());
    EXPECT_TRUE(Checked(*program, MenuLanguage::English, command::kFrench));
    EXPECT_EQ("VLRFR.HLP", program->GetModel().settings.szHelpFile);
}

TEST_F(ProgramTest, TheOtherEditionShowsItsOwnEnglishBar)
{
    Start(1);
    EXPECT_EQ(&MENU_QRL_US, &program->Frame().MenuBar(MenuLanguage::English).Table());
    EXPECT_EQ("QRLUS.HLP", program->GetModel().settings.szHelpFile);
    Command(command::kAbout);
    EXPECT_EQ((std::vector<std::string>{"ABOUT_QRL"}), DialogsOpened());
    Command(command::kFrench);
    EXPECT_EQ("QRLUS.HLP", program->GetModel().settings.szHelpFile) << "one help for both languages";
}

TEST_F(ProgramTest, KeysReachTheirCommandsAndGrayedOnesDoNothing)
{
    Start();
    Key(Qt::Key_N);
    EXPECT_EQ(2, A().iLevel);
    Key(Qt::Key_S); // the Square figure, not a save
    EXPECT_EQ(1, A().iLevel);
    EXPECT_EQ(8u, LiveCellsInState1(A()).size());
    EXPECT_EQ(0, A().byArray[9][7]);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath())));
    Key(Qt::Key_O);
    EXPECT_EQ(8u, LiveCellsInState1(A()).size());
    EXPECT_EQ(1, A().byArray[9][7]) << "the octogon";

    program->Frame().EnableMenuItem(command::kNext, false);
    Key(Qt::Key_N);
    EXPECT_EQ(1, A().iLevel) << "a grayed command's key does nothing";
    program->Frame().EnableMenuItem(command::kNext, true);
    Key(Qt::Key_N);
    EXPECT_EQ(2, A().iLevel);
}

TEST_F(ProgramTest, TheLanguageSwitchKeepsEveryMark)
{
    Start();
    Command(193);
    Command(command::kMosaicBrush);
    Command(command::kFrench);
    EXPECT_EQ(MenuLanguage::French, program->Frame().ShownMenu());
    EXPECT_EQ(0, program->GetModel().settings.iLanguage);
    EXPECT_EQ("VLRFR.HLP", program->GetModel().settings.szHelpFile);
    for (MenuLanguage bar : {MenuLanguage::English, MenuLanguage::French}) {
        EXPECT_TRUE(Checked(*program, bar, 193));
        EXPECT_FALSE(Checked(*program, bar, command::kFirstPreset));
        EXPECT_TRUE(Checked(*program, bar, command::kMosaicBrush));
        EXPECT_FALSE(Checked(*program, bar, command::kMosaicWhole));
        EXPECT_TRUE(Checked(*program, bar, command::kFrench));
        EXPECT_FALSE(Checked(*program, bar, command::kEnglish));
        EXPECT_TRUE(Checked(*program, bar, command::kWindowInfo));
    }
    Command(command::kLevel); // the next dialog follows the language
    Command(command::kEnglish);
    Command(command::kLevel);
    EXPECT_EQ((std::vector<std::string>{"DIALOG_LEVEL_FR", "DIALOG_LEVEL"}), DialogsOpened());
    EXPECT_EQ(MenuLanguage::English, program->Frame().ShownMenu());
}

TEST_F(ProgramTest, SavedSettingsComeBackAtTheNextStartAndNewRereadsThem)
{
    Start();
    prompts.QueueDialogAnswer(DialogAnswer().Type(203, "7").Click(kIdOk));
    Command(command::kStep);
    Command(command::kFrench);
    Command(command::kSaveSettings);
    EXPECT_TRUE(Messages().empty());
    A().iStep = 3;
    Command(command::kNext);
    Command(command::kNew);
    EXPECT_EQ(7, A().iStep);
    EXPECT_EQ(1, A().iLevel);

    program.reset();
    Start();
    EXPECT_EQ(7, A().iStep);
    EXPECT_EQ(MenuLanguage::French, program->Frame().ShownMenu());
}

TEST_F(ProgramTest, AFailedSaveSaysSo)
{
    Start();
    std::filesystem::create_directory(SettingsPath()); // a folder where the file should be
    Command(command::kSaveSettings);
    EXPECT_EQ((std::vector<std::string>{"Write error\n"}), Messages());
}

TEST_F(ProgramTest, QuitClosesWithoutSaving)
{
    Start();
    Command(command::kQuit);
    EXPECT_FALSE(program->Frame().isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath())));
}

} // namespace
} // namespace vellicor::test
