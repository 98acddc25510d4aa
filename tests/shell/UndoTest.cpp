// Undo and redo as a person uses them: each kind of command given as they give it, then Ctrl+Z,
// Ctrl+Y and Ctrl+Shift+Z on the main window, whichever window has the focus.

#include "tests/shell/ProgramFixture.h"

#include "resources/ParameterDialogTemplates.h"
#include "shell/CommandIds.h"
#include "shell/settings/AutomatonFile.h"
#include "shell/UndoHistory.h"

#include <QTimer>

#include <numeric>

namespace vellicor::test {
namespace {

using namespace command;
using Action = std::function<void()>;

TEST_F(ProgramTest, UndoTakesBackEachKindOfCommandByteForByteAndRedoGivesItAgain)
{
    using namespace neighbours_dialog;
    Start();
    // The automaton's bytes, with the cells beyond the array in use blanked and without what a
    // step leaves alone (the paint flag, the processing limits, the statistics, which come last),
    // so that a member added to it is compared at once; the colours and the marked geometry;
    // whether the Random counts fit the array; the Automata check marks.
    auto state = [&] {
        auto a = std::make_unique<Automaton>(A());
        for (CellArray* cells : {&a->byArray, &a->byOldArray})
            for (int x = 0; x <= kArrayDim; ++x)
                for (int y = 0; y < kColumnStride; ++y)
                    (*cells)[x][y] *= x <= EffectiveMaxHor(*a) && y <= EffectiveMaxVer(*a);
        a->bIncrementalPaint = a->iIterLimit = a->iIterIncrement = a->iContinuousDelay = a->iContinuousUntil = 0;
        std::string bytes(reinterpret_cast<const char*>(a.get()), offsetof(Automaton, fStateCount));
        const Settings& s = program->GetModel().settings;
        for (const int32_t* components : {s.byRColor, s.byGColor, s.byBColor})
            bytes.append(reinterpret_cast<const char*>(components), sizeof s.byRColor);
        bytes.append(reinterpret_cast<const char*>(s.crStateColor), sizeof s.crStateColor);
        bytes += s.bPlane == 0 ? 'p' : 't';
        const int32_t* counts = program->GetModel().content.iRandomCount;
        bytes += std::accumulate(counts, counts + kStateCount, 0) == (a->wMaxHor - 1) * (a->wMaxVer - 1) ? 'r' : '!';
        for (int id = kFirstPreset; id <= kLastPreset; ++id)
            bytes += Checked(MenuLanguage::English, id) ? 'v' : '-';
        return bytes;
    };
    const std::string file = folder.filePath("two.asc").toStdString();
    std::ofstream(file, std::ios::binary) << "1\t2\n3\t4\n";
    QWidget* iconBar = program->Frame().findChild<QWidget*>(QStringLiteral("IconBar"));
    auto mouse = [&](int x, int y, int toX, int toY, Qt::MouseButton button = Qt::LeftButton) -> Action {
        return [=, this] {
            const int c = program->GetModel().cells.iCellWidth;
            QWidget* view = program->ArrayWindowFrame()->View();
            QTest::mousePress(view, button, {}, QPoint(10 + x * c + c / 2, 10 + y * c + c / 2));
            QTest::mouseRelease(view, button, {}, QPoint(10 + toX * c + c / 2, 10 + toY * c + c / 2));
        };
    };
    auto id = [&](int command) -> Action { return [&, command] { Command(command); }; };
    auto key = [&](Qt::Key k) -> Action { return [&, k] { Key(k); }; };
    auto dialog = [&](int command, DialogAnswer answer) -> Action {
        return [&, command, answer] { prompts.QueueDialogAnswer(answer), Command(command); };
    };
    const std::string automaton = folder.filePath("torus.vellicor").toStdString();
    {
        Model torus(0);
        torus.automaton.wMaxHor = torus.automaton.wMaxVer = 9;
        torus.settings.bPlane = 1;
        torus.automaton.iNumAuto[2] = 12;
        torus.automaton.byArray[4][4] = 2;
        ASSERT_TRUE(WriteAutomatonFile(automaton, torus, {}));
    }
    const DialogAnswer fill = DialogAnswer().Type(fill_dialog::kWidth, "6").Type(fill_dialog::kHeight, "3");
    const DialogAnswer size = DialogAnswer().Type(array_dialog::kWidth, "20").Type(array_dialog::kHeight, "12");

    // What a row names, what it sets up first (the selection, the answers: no step), the command.
    const std::vector<std::tuple<const char*, Action, Action>> rows = {
        {"right click", {}, mouse(3, 3, 3, 3, Qt::RightButton)},
        {"margin click", [&] { A().iStep = 3; }, mouse(0, 0, 0, 0)},
        {"Next at the limit, Retry", [&] { A().iIterLimit = A().iLevel + 1, prompts.QueueMessageAnswer(kIdRetry); },
         key(Qt::Key_N)},
        {"Level", {}, dialog(kLevel, DialogAnswer().Type(202, "12").Click(kIdOk))},
        {"Null", {}, id(kNull)},
        {"Until stable", {}, key(Qt::Key_U)},
        {"a Life pattern", mouse(4, 4, 4, 4), id(kFirstLifePatternCommand)},
        {"Standard", {}, id(kStandard)},
        {"Increment", mouse(6, 6, 9, 9), id(kCommandIncrement)},
        {"Vertical symmetry", {}, id(kCommandVerticalSymmetry)},
        {"Horizontal symmetry", {}, id(kCommandHorizontalSymmetry)},
        {"Central symmetry", {}, id(kCommandCentralSymmetry)},
        {"Paste", mouse(2, 2, 2, 2), id(kCommandPaste)},
        {"a selection file", [&] { prompts.QueueFileAnswer(file); }, id(kCommandSelectionLoad)},
        {"0-state", mouse(6, 6, 9, 9), id(kCommandZeroState)},
        {"Decrement", {}, id(kCommandDecrement)},
        {"Random", {}, id(kRandom)},
        {"Array fill", {}, dialog(kArrayFill, DialogAnswer(fill).Click(kIdOk))},
        {"a special pattern", {}, key(Qt::Key_S)},
        {"array size", {}, dialog(kArrayParameters, DialogAnswer(size).Click(kIdOk))},
        {"an Automata preset", {}, id(kFirstPreset + 3)},
        {"the icon bar", {}, [&] { QTest::mouseClick(iconBar, Qt::LeftButton, {}, QPoint(37 * 5 + 20, 10)); }},
        {"the rules", {}, dialog(kTransitionRules, DialogAnswer().Click(rules_dialog::BoxId(1, 2)).Click(kIdOk))},
        {"the neighbourhood's buttons, then Cancel", {},
         dialog(kNeighbourhood, DialogAnswer().Click(kOneDimensional).Click(kFirstModulo + 2).Click(kIdCancel))},
        {"Preferences", {}, dialog(kPreferences, DialogAnswer().Click(preferences_dialog::kTorus).Click(kIdOk))},
        {"Step", {}, dialog(kStep, DialogAnswer().Type(203, "5").Click(kIdOk))},
        {"Colors", {}, dialog(kColors, DialogAnswer().Click(531).Scroll(500, ScrollCode::ThumbTrack, 77).Click(kIdOk))},
        {"Continuous, stopped by a Ctrl+Z that undoes nothing", [&] { QTimer::singleShot(0, key(Qt::Key_Z)); },
         id(kContinuous)},
        {"Continuous until", {}, dialog(kContinuousUntil, DialogAnswer().Type(101, "40").Click(kIdOk))},
        {"an automaton file", [&] { prompts.QueueFileAnswer(automaton); },
         [&] { ShiftKey(Qt::Key_O); }},
        {"File / New", {}, id(kNew)},
    };
    std::string previous, before, after;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [what, setUp, run] = rows[i];
        SCOPED_TRACE(what);
        if (setUp)
            setUp();
        previous = std::exchange(before, state());
        run();
        ASSERT_FALSE(before == (after = state())) << "the command changed nothing";
        (i % 2 == 0 ? program->ArrayWindowFrame() : program->InfoWindow())->View()->setFocus();
        const Qt::KeyboardModifiers redoKeys = Qt::ControlModifier | (i % 2 == 0 ? Qt::NoModifier : Qt::ShiftModifier);
        auto redo = [&] { QTest::keyClick(&program->Frame(), i % 2 == 0 ? Qt::Key_Y : Qt::Key_Z, redoKeys); };
        Key(Qt::Key_Z);
        EXPECT_TRUE(before == state()) << "undone";
        if (i > 0) { // the step before is the row before's
            Key(Qt::Key_Z);
            EXPECT_TRUE(previous == state()) << "undone twice";
            redo();
        }
        redo();
        EXPECT_TRUE(after == state()) << "redone";
    }
    EXPECT_EQ(std::vector<std::string>(), prompts.Problems());

    // A new change cuts what was undone.
    Key(Qt::Key_Z);
    Command(kNext);
    const std::string next = state();
    Key(Qt::Key_Y);
    EXPECT_TRUE(next == state());
    Key(Qt::Key_Z);
    EXPECT_TRUE(before == state());
}

TEST(UndoHistory, KeepsWithinItsBudgetByDroppingTheOldestSteps)
{
    auto a = std::make_unique<Automaton>();
    a->wMaxHor = a->wMaxVer = kMaxDimension;
    Settings settings(0);
    auto take = [&] { return TakeUndoState(*a, settings, 0); };
    const std::size_t largest = sizeof(UndoState) + take().bytes.capacity();
    EXPECT_GT(UndoHistory::kDefaultBudget / largest, 1000u) << "more than a thousand steps at the largest array";
    UndoHistory history(3 * largest);
    for (a->iLevel = 1; a->iLevel <= 5; ++a->iLevel)
        history.Record(take());
    EXPECT_LE(history.Bytes(), 3 * largest);
    std::vector<int32_t> levels;
    for (std::optional<UndoState> step; (step = history.Undo(take()));)
        RestoreUndoState(*a, settings, *step), levels.push_back(a->iLevel);
    EXPECT_EQ((std::vector<int32_t>{5, 4, 3}), levels);
}

} // namespace
} // namespace vellicor::test
