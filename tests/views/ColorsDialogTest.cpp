// The Colors dialog through its scripted twin: the scroll bars' steps, the chooser, Cancel, and a
// colour kept by File / Save across a restart.

#include "tests/shell/ProgramFixture.h"

#include "platform/TemplateDialog.h"
#include "resources/DialogTemplates.h"
#include "shell/CommandIds.h"

namespace vellicor::test {
namespace {

using namespace command;

class ColorsDialogTest : public ProgramTest {
protected:
    uint32_t* Palette() { return program->GetModel().settings.crStateColor; }
    std::vector<uint32_t> PaletteNow() { return {Palette(), Palette() + 16}; }
};

TEST_F(ColorsDialogTest, ScrollBarsStepByOneAndSixteenWithinZeroTo255)
{
    Start();
    prompts.QueueDialogAnswer(DialogAnswer()
                                  .Click(532) // state 2: green 0, 255, 0
                                  .Scroll(501, ScrollCode::LineRight, 0)
                                  .Scroll(500, ScrollCode::ThumbTrack, 10)
                                  .Scroll(500, ScrollCode::PageLeft, 0)
                                  .Scroll(502, ScrollCode::ThumbPosition, 100)
                                  .Scroll(502, ScrollCode::PageRight, 0)
                                  .Click(kIdOk));
    Command(kColors);
    ASSERT_EQ(1u, prompts.Log().size());
    const PromptRecord& dialog = prompts.Log()[0];
    EXPECT_EQ("255", dialog.textsAfterInit.at(503)) << "the dialog opens on state 0, white";
    EXPECT_EQ("0", dialog.textsAtEnd.at(503));
    EXPECT_EQ("255", dialog.textsAtEnd.at(504));
    EXPECT_EQ("116", dialog.textsAtEnd.at(505));
    EXPECT_EQ(0x74FF00u, Palette()[2]);
    EXPECT_EQ(QColor(0, 255, 116), program->Brushes().hStateBrush[2].color());
    EXPECT_TRUE(prompts.Problems().empty());
}

TEST_F(ColorsDialogTest, TheChooserRecoloursOtherStatesAndCancelPutsTheWholePaletteBack)
{
    Start();
    const auto edit = [](int cancelOrOk) {
        return DialogAnswer().Click(531).Scroll(500, ScrollCode::Left, 0).Click(507).Click(cancelOrOk);
    };
    prompts.QueueDialogAnswer(edit(kIdOk));
    prompts.QueueColorAnswer({{1, 0x00FF00}, {3, 0x123456}});
    Command(kColors);
    EXPECT_EQ(0x000000u, Palette()[1]) << "the selected state keeps its scroll bars' colour";
    EXPECT_EQ(0x123456u, Palette()[3]);

    const std::vector<uint32_t> before = PaletteNow();
    Palette()[1] = 0x0000FF;
    const std::vector<uint32_t> opened = PaletteNow();
    prompts.QueueDialogAnswer(edit(kIdCancel));
    prompts.QueueColorAnswer({{5, 0xABCDEF}});
    Command(kColors);
    EXPECT_EQ(opened, PaletteNow());
    EXPECT_EQ(QColor(255, 0, 0), program->Brushes().hStateBrush[1].color());
    EXPECT_NE(before, opened);
    EXPECT_TRUE(prompts.Problems().empty());
}

TEST_F(ColorsDialogTest, ASavedColourIsThereAfterARestart)
{
    Start();
    prompts.QueueDialogAnswer(DialogAnswer().Click(531).Scroll(502, ScrollCode::ThumbTrack, 77).Click(kIdOk));
    Command(kColors);
    Command(kSaveSettings);
    program.reset();
    Start();
    EXPECT_EQ(0x4D00FFu, Palette()[1]);
    const QImage mosaic = program->MosaicWindow()->View()->grab().toImage();
    EXPECT_EQ(QColor(255, 0, 77), mosaic.pixelColor(6, 6)) << "a cell of the Standard figure";
}

// The real dialog: each scroll bar is a tab stop, and its keys move it as the old controls did.
TEST(ColorsDialogKeys, ArrowsPagesHomeAndEndGiveTheirScrollCodes)
{
    ScriptedPrompts prompts;
    std::vector<ScrollCode> codes;
    CallbackProcedure procedure;
    procedure.scroll = [&codes](DialogControls&, int, ScrollCode code, int) { codes.push_back(code); };
    TemplateDialog dialog(DIALOG_COLORS, true, procedure, prompts);
    QWidget* green = dialog.Control(501);
    EXPECT_TRUE(green->focusPolicy() & Qt::TabFocus);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End})
        QTest::keyClick(green, key);
    EXPECT_EQ((std::vector<ScrollCode>{ScrollCode::LineLeft, ScrollCode::LineRight, ScrollCode::PageLeft,
                                       ScrollCode::PageRight, ScrollCode::Left, ScrollCode::Right}),
              codes);
}

} // namespace
} // namespace vellicor::test
