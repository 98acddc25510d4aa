// Automaton files in the program, as a person opens and saves them: the keys, a drop on a window,
// the command line; what every view shows afterwards; a refusal that leaves everything as it was.

#include "tests/shell/ProgramFixture.h"

#include "shell/AutomatonFiles.h"
#include "shell/CommandIds.h"
#include "shell/UndoHistory.h"

#include <QMimeData>
#include <QUrl>

#include <filesystem>
#include <sstream>

namespace vellicor::test {
namespace {

class AutomatonFilesTest : public ProgramTest {
protected:
    // A 7 x 5 torus whose state 1 is drawn in a colour of its own, with a cell of it on the bottom
    // row, at (2, 5), and a step of 7.
    std::string WriteFile(const std::string& name)
    {
        Model model(0);
        model.automaton.wMaxHor = 8;
        model.automaton.wMaxVer = 6;
        model.settings.bPlane = 1;
        model.settings.byRColor[1] = 10;
        model.settings.byGColor[1] = 20;
        model.settings.byBColor[1] = 30;
        BuildPalette(model.settings);
        model.automaton.byArray[2][5] = 1;
        model.automaton.iStep = 7;
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        EXPECT_TRUE(WriteAutomatonFile(path, model, {"Seven by five", "Sept sur cinq", "", ""}));
        return path;
    }
    UndoState Now() { return TakeUndoState(A(), program->GetModel().settings, 0); }
    QColor CellColour() { return program->BitmapWindow()->View()->grab().toImage().pixelColor(12, 15); }
    void ExpectOpened()
    {
        EXPECT_EQ(8, A().wMaxHor);
        EXPECT_EQ(1, A().iGeometryMode);
        EXPECT_EQ(1, A().byArray[2][5]);
        EXPECT_EQ(1, A().byArray[2][0]) << "the torus ring is filled at once";
        EXPECT_EQ(7, A().iStep);
        EXPECT_EQ(1, program->GetModel().settings.bPlane);
        EXPECT_EQ(QColor(10, 20, 30), CellColour());
    }
};

TEST_F(AutomatonFilesTest, OpensByTheKeyAsOneStepWithoutTouchingTheSettingsFile)
{
    Start();
    const std::string path = WriteFile("seven.vellicor");
    A().byArray[2][5] = 1;
    const uint32_t stateOne = program->GetModel().settings.crStateColor[1];
    const UndoState before = Now();
    prompts.QueueFileAnswer(path);
    ShiftKey(Qt::Key_O);
    ExpectOpened();
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
    EXPECT_EQ("Seven by five", program->Files().Picture().title);
    Key(Qt::Key_Z);
    EXPECT_TRUE(before == Now()) << "the cells, rules, colours, step and marked geometry all come back";
    const QColor old(stateOne & 0xFF, stateOne >> 8 & 0xFF, stateOne >> 16 & 0xFF);
    EXPECT_EQ(old, CellColour());
    EXPECT_EQ(old, program->Brushes().hStateBrush[1].color());
    Key(Qt::Key_Y);
    ExpectOpened();
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

TEST_F(AutomatonFilesTest, ABadFileShowsItsLineAndChangesNothing)
{
    Start();
    const std::string path = folder.filePath("bad.vellicor").toStdString();
    std::ofstream(path) << "[Vellicor]\nwMaxHor=8\n[Cells]\n0\t0\t0\n0\t0\t16\n";
    A().byArray[3][3] = 4;
    const UndoState before = Now();
    program->Files().OpenArguments({"vellicor", QString::fromStdString(path)});
    EXPECT_EQ(std::vector<std::string>{"bad.vellicor\n\nLine 5: a state value can't be greater than 15.\n"}, Messages());
    EXPECT_TRUE(before == Now());
    Key(Qt::Key_Z); // no step was taken: this undoes nothing
    EXPECT_EQ(4, A().byArray[3][3]);
}

TEST_F(AutomatonFilesTest, AFileNamedOnTheCommandLineOrDroppedOnTheBitmapWindowOpens)
{
    Start();
    program->Files().OpenArguments({"vellicor", QString::fromStdString(WriteFile("line.vellicor"))});
    ExpectOpened();

    Command(command::kNew);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(WriteFile("dropped.vellicor")))});
    QWidget* bitmap = program->BitmapWindow()->View();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(bitmap, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(bitmap, &drop);
    ExpectOpened();
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
}

TEST_F(AutomatonFilesTest, SaveProposesTheTitleAndAnotherNameBecomesTheTitle)
{
    Start(1);
    program->Files().OpenFile(WriteFile("seven.vellicor"));
    const std::string other = folder.filePath("Spiral.vellicor").toStdString();
    prompts.QueueFileAnswer(other);
    ShiftKey(Qt::Key_S);
    ASSERT_FALSE(prompts.Log().empty());
    EXPECT_NE(std::string::npos, prompts.Log().back().text.find("Seven by five.vellicor"));
    std::ostringstream saved;
    saved << std::ifstream(other, std::ios::binary).rdbuf();
    EXPECT_EQ(AutomatonFileText(program->GetModel(), {"Spiral", "Spiral", "", ""}), saved.str());
}

} // namespace
} // namespace vellicor::test
