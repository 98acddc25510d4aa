// vellicor-render as a script runs it: the cells it writes are the program's own run from the same
// start, and every bad input is refused with one line on stderr and no file.

#include "tests/shell/ProgramFixture.h"

#include "tests/pictures/DecodedVideo.h"

#include "content/AtomicFile.h"
#include "content/FieldStarts.h"
#include "content/Initialisation.h"
#include "content/SelectionFile.h"
#include "engine/CellField.h"
#include "engine/Step.h"
#include "explore/ContactSheet.h"
#include "pictures/StateImage.h"
#include "resources/ParameterDialogTemplates.h"
#include "shell/AutomatonFiles.h"
#include "shell/CommandIds.h"

#include <QDir>
#include <QProcess>

namespace vellicor::test {
namespace {

// A 16-state rule on weighted state sums, modulo 7, on 30 x 24 cells.
constexpr const char* kSettings =
    "[Vellicor]\nwMaxHor=31\nwMaxVer=25\nbHomogeneousMode=0\niModuloMode=1\niModuloDefault=7\n"
    "iNumAuto[0]=1\niNumAuto[1]=6\niNumAuto[2]=24\niNumAuto[3]=96\niNumAuto[4]=384\niNumAuto[5]=512\n"
    "iNumAuto[9]=128\niNumAuto[15]=8\niNeighbours[0][0]=2\niNeighbours[1][1]=3\niNeighbours[2][1]=-1\n";
constexpr const char* kCells = "1\t2\t3\t0\t15\n9\t0\t0\t4\n0\t5\t6\t7\t1\n";

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

struct Finished {
    int exitCode = -1;
    std::string errors;
};

class RendererTest : public ProgramTest {
protected:
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }

    Finished Render(const std::vector<std::string>& arguments) const
    {
        QStringList list;
        for (const std::string& argument : arguments)
            list << QString::fromStdString(argument);
        QProcess process;
        process.start(VELLICOR_RENDER, list);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardError().toStdString()};
    }
};

TEST_F(RendererTest, TextOutputIsTheProgramsOwnRunInThePlaneAndTheTorus)
{
    WriteSettings(kSettings);
    ASSERT_TRUE(WriteFileAtomically(Path("cells.txt"), kCells));
    std::string previous;
    for (const bool torus : {false, true}) {
        const int generations = torus ? 53 : 37;
        Start();
        if (torus) {
            prompts.QueueDialogAnswer(DialogAnswer().Click(preferences_dialog::kTorus).Click(kIdOk));
            Command(command::kPreferences);
        }
        Command(command::kNull);
        program->GetSelection().iPointX = 26;
        program->GetSelection().iPointY = 4;
        prompts.QueueFileAnswer(Path("cells.txt"));
        Command(kCommandSelectionLoad);
        prompts.QueueDialogAnswer(DialogAnswer().Type(202, std::to_string(1 + generations)).Click(kIdOk));
        Command(command::kLevel);
        ASSERT_EQ(1 + generations, A().iLevel);
        ASSERT_TRUE(prompts.Problems().empty()) << prompts.Problems().front();
        Selection interior;
        interior.iSelStartX = interior.iSelStartY = 1;
        interior.iSelEndX = 30;
        interior.iSelEndY = 24;
        const std::string expected = SelectionFileBytes(A(), interior);

        const Finished run = Render({"--settings", SettingsPath(), "--init", "null", "--cells", Path("cells.txt"), "--at",
                                "26,4", "--generations", std::to_string(generations), torus ? "--torus" : "--plane",
                                "--output", Path("out.txt")});
        ASSERT_EQ(0, run.exitCode) << run.errors;
        std::string written;
        ASSERT_TRUE(ReadWholeFile(Path("out.txt"), written));
        EXPECT_EQ(expected, written) << (torus ? "torus" : "plane");
        EXPECT_NE(previous, written) << "the figure crosses the right edge: the geometries differ";
        previous = written;
    }
}

// An automaton file gives the renderer what it gives the program: rules, size, torus, colours and
// cells.
TEST_F(RendererTest, AnAutomatonFileRunsAsTheProgramOpensAndRunsIt)
{
    const std::string file = Path("weighted.vellicor");
    ASSERT_TRUE(WriteFileAtomically(file, std::string(kSettings) + "bPlane=1\nbyRColor[15]=1\nbyGColor[15]=2\n"
                                                                     "byBColor[15]=3\n[Cells]\n" + kCells));
    Start();
    ASSERT_TRUE(program->Files().OpenFile(file));
    prompts.QueueDialogAnswer(DialogAnswer().Type(202, "41").Click(kIdOk));
    Command(command::kLevel);
    Selection interior;
    interior.iSelStartX = interior.iSelStartY = 1;
    interior.iSelEndX = 30;
    interior.iSelEndY = 24;
    const Finished run = Render({"--automaton", file, "--generations", "40", "--output", Path("out.txt")});
    ASSERT_EQ(0, run.exitCode) << run.errors;
    std::string written;
    ASSERT_TRUE(ReadWholeFile(Path("out.txt"), written));
    EXPECT_EQ(SelectionFileBytes(A(), interior), written);

    // On a canvas the file's cells are the array --tile repeats; on its torus the copies run alike.
    const Finished tiled = Render({"--automaton", file, "--size", "60x48", "--tile", "--generations", "40", "--output",
                                   Path("canvas.txt")});
    ASSERT_EQ(0, tiled.exitCode) << tiled.errors;
    const std::vector<std::string> rows = Lines(written);
    ASSERT_EQ(24u, rows.size());
    std::string repeated;
    for (int y = 0; y < 48; ++y)
        repeated += rows[y % 24] + '\t' + rows[y % 24] + '\n';
    ASSERT_TRUE(ReadWholeFile(Path("canvas.txt"), written));
    EXPECT_EQ(repeated, written);

    ASSERT_EQ(0, Render({"--automaton", file, "--output", Path("out.png")}).exitCode);
    const QImage picture(folder.filePath("out.png"));
    EXPECT_EQ(QSize(30, 24), picture.size());
    EXPECT_EQ(QColor(1, 2, 3), picture.pixelColor(4, 0)); // the first row's state 15
}

// The sheet the renderer writes is the one the explorer's core composes from the same start, and
// its text lists each tile's rule set.
TEST_F(RendererTest, ExploreWritesTheContactSheetAndItsRuleSetsBesideIt)
{
    const Finished run = Render({"--explore", "5", "--seed", "3", "--states", "3", "--generations", "30", "--scale", "2",
                                 "--quiet", "--output", Path("sheet.png")});
    ASSERT_EQ(0, run.exitCode) << run.errors;
    Automaton start;
    InitStandard(start);
    const Settings defaults(0);
    const ExploreSheet expected = MakeExploreSheet(start, defaults.crStateColor, {5, 3, 3, 30, 2});
    const QImage written(folder.filePath("sheet.png"));
    ASSERT_EQ(QSize(expected.picture.width, expected.picture.height), written.size());
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x)
            ASSERT_EQ(expected.picture.pixels[size_t(y * written.width() + x)] | 0xFF000000u, written.pixel(x, y))
                << x << "," << y;
    std::string text;
    ASSERT_TRUE(ReadWholeFile(Path("sheet.txt"), text));
    EXPECT_EQ(expected.text, text);
    EXPECT_EQ(5, std::count(text.begin(), text.end(), '\n'));
}

// A video holds every generation of the program's own run from the same start, at the frames per
// second asked for, for the array and for a canvas tiled from it; an MP4 of odd sides is padded by
// one pixel, a WebM keeps them.
TEST_F(RendererTest, VideoHoldsEveryGenerationOfTheProgramsRun)
{
    std::string settings = kSettings;
    settings.replace(settings.find("wMaxHor=31\nwMaxVer=25"), 21, "wMaxHor=16\nwMaxVer=12");
    WriteSettings(settings);
    Start();
    Command(command::kStandard);
    const Automaton start = A();
    const uint32_t* colours = program->GetModel().settings.crStateColor;
    const struct {
        const char* file;
        int scale;
        std::vector<std::string> more;
        int framesPerSecond;
        QSize size;
    } kVideos[] = {{"run.mp4", 5, {}, 25, {76, 56}},
                   {"run.webm", 4, {"--fps", "12"}, 12, {60, 44}},
                   {"canvas.mp4", 4, {"--size", "37x21", "--tile", "--fps", "50"}, 50, {148, 84}}};
    for (const auto& video : kVideos) {
        std::vector<std::string> arguments = {"--settings", SettingsPath(), "--generations", "9", "--scale",
                                              std::to_string(video.scale), "--output", Path(video.file)};
        arguments.insert(arguments.end(), video.more.begin(), video.more.end());
        const Finished run = Render(arguments);
        ASSERT_EQ(0, run.exitCode) << run.errors;
        const DecodedVideo decoded = DecodeVideo(Path(video.file));
        EXPECT_EQ(video.framesPerSecond, av_q2d(decoded.frameRate)) << video.file;
        ASSERT_EQ(10u, decoded.frames.size()) << video.file;
        Automaton array = start;
        CellField canvas(37, 21);
        canvas.SetRules(start);
        TileFieldFromArray(canvas, start);
        for (const QImage& frame : decoded.frames) {
            ASSERT_EQ(video.size, frame.size()) << video.file;
            const QImage cells = video.more.empty() || video.more[0] != "--size" ? StateImage(array, colours)
                                                                                : StateImage(canvas, colours);
            EXPECT_LE(CentreDifference(frame, cells, video.scale), 40) << video.file << ", level " << array.iLevel;
            ComputeNextGeneration(array);
            canvas.Step();
        }
    }
}

// A torus canvas tiled from the array runs as copies of the array's own run, on any number of
// threads; a canvas's own start is random over --states or a selection file placed on it.
TEST_F(RendererTest, CanvasRunsAsTheTiledArrayOnAnyNumberOfThreads)
{
    WriteSettings(kSettings);
    const std::vector<std::string> common = {"--settings", SettingsPath(), "--init", "random", "--seed", "9",
                                             "--generations", "23", "--torus", "--quiet"};
    auto render = [&](std::vector<std::string> extra, const std::string& output) {
        std::vector<std::string> arguments = common;
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        arguments.insert(arguments.end(), {"--output", Path(output.c_str())});
        const Finished run = Render(arguments);
        EXPECT_EQ(0, run.exitCode) << run.errors;
        std::string written;
        EXPECT_TRUE(ReadWholeFile(Path(output.c_str()), written)) << output;
        return written;
    };
    const std::vector<std::string> rows = Lines(render({}, "array.txt"));
    ASSERT_EQ(24u, rows.size());
    std::string tiled;
    for (int y = 0; y < 48; ++y)
        tiled += rows[y % 24] + '\t' + rows[y % 24] + '\t' + rows[y % 24] + '\n';
    EXPECT_EQ(tiled, render({"--size", "90x48", "--tile", "--threads", "1"}, "canvas.txt"));
    EXPECT_EQ(tiled, render({"--size", "90x48", "--tile", "--threads", "7"}, "canvas7.txt"));

    const std::string one = render({"--size", "333x97", "--threads", "1", "--scale", "2"}, "one.png");
    EXPECT_EQ(one, render({"--size", "333x97", "--threads", "2", "--scale", "2"}, "two.png"));
    EXPECT_EQ(QSize(666, 194), QImage(folder.filePath("one.png")).size());

    // The start alone: uniform over states 0..2, and a selection file at 40,3 of the canvas.
    ASSERT_TRUE(WriteFileAtomically(Path("cells.txt"), kCells));
    const Finished start = Render({"--size", "200x50", "--init", "random", "--states", "3", "--seed", "4", "--output",
                                   Path("start.txt")});
    ASSERT_EQ(0, start.exitCode) << start.errors;
    std::string cells;
    ASSERT_TRUE(ReadWholeFile(Path("start.txt"), cells));
    EXPECT_EQ(10000, std::count_if(cells.begin(), cells.end(), [](char c) { return c >= '0' && c <= '2'; }));
    EXPECT_GT(std::count(cells.begin(), cells.end(), '2'), 3000);
    const Finished placed = Render({"--size", "50x6", "--cells", Path("cells.txt"), "--at", "40,3", "--output",
                                    Path("placed.txt")});
    ASSERT_EQ(0, placed.exitCode) << placed.errors;
    ASSERT_TRUE(ReadWholeFile(Path("placed.txt"), cells));
    const std::vector<std::string> lines = Lines(cells);
    ASSERT_EQ(6u, lines.size());
    std::string zeros = "0";
    for (int x = 2; x <= 50; ++x)
        zeros += "\t0";
    EXPECT_EQ(zeros, lines[1]);
    // Fields 1..39 of the third row are 0 ("0\t" each), the file's first row starts at 40.
    EXPECT_EQ(zeros.substr(0, 78) + "1\t2\t3\t0\t15" + zeros.substr(87), lines[2]);
    EXPECT_EQ(zeros.substr(0, 78) + "9\t0\t0\t4" + zeros.substr(85), lines[3]);
}

TEST_F(RendererTest, BadInputIsRefusedWithOneLineAndNoFile)
{
    ASSERT_TRUE(WriteFileAtomically(Path("garbage.ini"), std::string("\x89PNG\r\n\x1a\n\0\0\x01", 11)));
    ASSERT_TRUE(WriteFileAtomically(Path("letters.ini"), "[Vellicor]\nwMaxHor=wide\n"));
    ASSERT_TRUE(WriteFileAtomically(Path("sixteen.txt"), "1\t16\n"));
    ASSERT_TRUE(WriteFileAtomically(Path("cells.txt"), kCells));
    ASSERT_TRUE(WriteFileAtomically(Path("small.vellicor"), "[Vellicor]\nwMaxHor=5\nwMaxVer=5\n[Cells]\n1\t2\n"));
    const std::string png = Path("out.png");
    const struct {
        const char* why;
        std::vector<std::string> arguments;
    } kBadInputs[] = {
        {"unknown option", {"--colour", "red", "--output", png}},
        {"unreadable settings", {"--settings", Path("none.ini"), "--output", png}},
        {"settings that are no settings", {"--settings", Path("garbage.ini"), "--output", png}},
        {"a setting that is no number", {"--settings", Path("letters.ini"), "--output", png}},
        {"unreadable cells", {"--cells", Path("none.txt"), "--output", png}},
        {"a state above 15", {"--cells", Path("sixteen.txt"), "--output", png}},
        {"cells past the array", {"--cells", Path("cells.txt"), "--at", "10,1", "--output", png}},
        {"negative number", {"--generations", "-5", "--output", png}},
        {"non-numeric number", {"--scale", "big", "--output", png}},
        {"unknown extension", {"--output", Path("out.bmp")}},
        {"a contact sheet that is no picture", {"--explore", "4", "--output", Path("out.gif")}},
        {"states without exploring", {"--states", "3", "--output", png}},
        {"settings beside an automaton", {"--settings", Path("letters.ini"), "--automaton", Path("none"), "--output", png}},
        {"a file that is no automaton", {"--automaton", Path("garbage.ini"), "--output", png}},
        {"an automaton on a canvas without --tile", {"--automaton", Path("small.vellicor"), "--size", "64x64", "--output", png}},
        {"frames per second of a picture", {"--fps", "10", "--output", Path("out.gif")}},
        {"too many frames per second", {"--fps", "121", "--output", Path("out.mp4")}},
        {"a canvas video too large", {"--size", "2100x1000", "--scale", "4", "--output", Path("out.mp4")}},
        {"a contact sheet too large", {"--explore", "1024", "--scale", "64", "--output", png}},
        {"a canvas past the limits", {"--size", "16385x2", "--output", png}},
        {"a canvas without its size", {"--size", "640", "--output", png}},
        {"the array's figure on a canvas", {"--size", "64x64", "--init", "standard", "--output", png}},
        {"a contact sheet of canvases", {"--size", "64x64", "--explore", "4", "--output", png}},
        {"tiling without a canvas", {"--tile", "--output", png}},
        {"threads without a canvas", {"--threads", "2", "--output", png}},
        {"cells past the canvas", {"--size", "64x64", "--cells", Path("cells.txt"), "--at", "62,1", "--output", png}},
        {"a canvas picture too large", {"--size", "16384x16384", "--scale", "64", "--output", png}},
    };
    for (const auto& bad : kBadInputs) {
        const Finished run = Render(bad.arguments);
        EXPECT_NE(0, run.exitCode) << bad.why;
        EXPECT_TRUE(run.errors.starts_with("vellicor-render: ")) << bad.why << ": " << run.errors;
        EXPECT_EQ(1, std::count(run.errors.begin(), run.errors.end(), '\n')) << bad.why << ": " << run.errors;
        EXPECT_EQ(QStringList(), QDir(folder.path()).entryList({"out.*", "*.tmp*"})) << bad.why;
    }
}

} // namespace
} // namespace vellicor::test
