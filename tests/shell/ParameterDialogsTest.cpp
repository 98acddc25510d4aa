// The parameter dialogs, each opened by its command in both languages and filled as a person
// fills it. A row's answer ends with the click that closes the dialog; a refusal that closed it
// too early, or a dialog left open, shows up among the prompts' problems. What a row sees is the
// dialog's opening values and the settings after it closed, joined in one line.

#include "tests/shell/ProgramFixture.h"

#include "platform/TemplateDialog.h"
#include "resources/ContentMessages.h"
#include "resources/Messages.h"
#include "resources/ParameterDialogTemplates.h"
#include "resources/ParameterMessages.h"
#include "shell/CommandIds.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <sstream>

namespace vellicor::test {
namespace {

using namespace command;

template <typename... T>
std::string Seen(const T&... values)
{
    std::ostringstream out;
    ((out << values << ' '), ...);
    std::string text = out.str();
    text.pop_back();
    return text;
}

std::string Marks(const std::set<int>& ids)
{
    std::ostringstream text;
    for (int id : ids)
        text << (id == *ids.begin() ? "" : ",") << id;
    return text.str();
}

// The control that had the focus after the opening, starred when its whole text was selected.
std::string Focus(const PromptRecord& r)
{
    return std::to_string(r.focusAfterInit) + (r.selectedAfterInit ? "*" : "");
}

struct Row {
    const char* what;
    DialogAnswer answer;
    std::vector<BilingualText> refusals; // the messages shown, in order
    int result;                          // what the dialog ended with
    std::string seen;
    std::function<void()> before = {};
};

class ParameterDialogTest : public ProgramTest {
protected:
    Model& M() { return program->GetModel(); }

    // Each language on a fresh program; the rows of one language build on each other.
    void Play(int command, const DialogTemplate& dialog, const std::function<std::string(const PromptRecord&)>& seen,
              const std::vector<Row>& rows)
    {
        for (const int language : {1, 0}) {
            Start();
            Command(language == 1 ? kEnglish : kFrench);
            for (const Row& row : rows) {
                SCOPED_TRACE(std::string(row.what) + (language == 1 ? " (English)" : " (French)"));
                if (row.before)
                    row.before();
                const std::size_t first = prompts.Log().size();
                prompts.QueueDialogAnswer(row.answer);
                std::string expected = TemplateName(dialog, language != 1), shown;
                for (const BilingualText& text : row.refusals) {
                    prompts.QueueMessageAnswer(kIdOk);
                    expected += " | " + std::string(PickText(text, language));
                }
                Command(command);
                ASSERT_LT(first, prompts.Log().size());
                for (std::size_t i = first; i < prompts.Log().size(); ++i)
                    shown += (i == first ? "" : " | ") + prompts.Log()[i].text;
                EXPECT_EQ((std::tuple(expected, row.result, row.seen)),
                          std::tuple(shown, prompts.Log()[first].answer, seen(prompts.Log()[first])));
            }
            EXPECT_EQ(std::vector<std::string>(), prompts.Problems());
        }
    }

    int CellsInState(int state)
    {
        int count = 0;
        for (int x = 1; x < A().wMaxHor; ++x)
            for (int y = 1; y < A().wMaxVer; ++y)
                count += A().byArray[x][y] == state;
        return count;
    }
};

TEST_F(ParameterDialogTest, ArraySize)
{
    using namespace array_dialog;
    // Opened with, focus; wMaxHor, wMaxVer, level, state-1 cells, Random counts, dynamic and fitted cells.
    Play(kArrayParameters, DIALOG_ARRAY, [&](const PromptRecord& r) {
        const int32_t* counts = M().content.iRandomCount;
        return Seen(r.textsAfterInit.at(kWidth), r.textsAfterInit.at(kHeight), Focus(r), A().wMaxHor, A().wMaxVer,
                    A().iLevel, CellsInState(1), counts[0], counts[1], M().cells.bDynamicCell,
                    M().cells.iCellWidth == DynamicCellSize(M().cells, A()));
    }, {
        {"outside 0..100, the first failing field alone",
         DialogAnswer().Type(kWidth, "101").Click(kIdOk).Type(kWidth, "-1").Click(kIdOk).Type(kWidth, "50")
             .Type(kHeight, "101").Click(kIdOk).Click(kIdCancel),
         {kArrayWidthTooLargeMessage, kArrayWidthTooLargeMessage, kArrayHeightTooLargeMessage}, 0,
         "13 13 200* 14 14 1 4 84 85 1 1"},
        {"the same size keeps cells and level, resets the counts", DialogAnswer().Click(kIdOk), {}, 1,
         "13 13 200* 14 14 7 4 84 85 1 1", [&] { A().iLevel = 7; M().content.iRandomCount[1] = 0; }},
        {"20 x 10 restarts", DialogAnswer().Type(kWidth, "20").Type(kHeight, "10").Click(kIdOk), {}, 1,
         "13 13 200* 21 11 1 4 100 100 1 1"},
        {"not a number reads as 0", DialogAnswer().Type(kWidth, "").Type(kHeight, "abc").Click(kIdOk), {}, 1,
         "20 10 200* 1 1 1 0 0 0 1 1"},
        {"a fixed cell size too large for the window is fitted once, with a notice",
         DialogAnswer().Type(kWidth, "100").Type(kHeight, "100").Click(kIdOk), {kCellsAdjustedMessage}, 1,
         "0 0 200* 101 101 1 4 5000 5000 0 1", [&] { M().cells.bDynamicCell = 0; M().cells.iCellWidth = 19; }},
    });
    for (auto [x, y] : {std::pair{50, 50}, {51, 50}, {49, 50}, {50, 51}})
        EXPECT_EQ(1, A().byArray[x][y]) << "the Standard figure at the centre " << x << "," << y;
}

TEST_F(ParameterDialogTest, ArrayFillKeepsTheLevel)
{
    using namespace fill_dialog;
    // Opened with, focus; state-1 cells, level, the rectangle.
    Play(kArrayFill, DIALOG_ARRAYFILL, [&](const PromptRecord& r) {
        return Seen(r.textsAfterInit.at(kWidth), r.textsAfterInit.at(kHeight), Focus(r), CellsInState(1), A().iLevel,
                    M().content.iArrayFillHorMax, M().content.iArrayFillVerMax);
    }, {
        {"at most the visible size",
         DialogAnswer().Type(kWidth, "14").Click(kIdOk).Type(kWidth, "13").Type(kHeight, "-1").Click(kIdOk)
             .Type(kHeight, "13").Click(kIdOk),
         {kFillWidthTooLargeMessage, kFillHeightTooLargeMessage}, 1, "4 2 101* 169 11 13 13", [&] { A().iLevel = 11; }},
        {"Cancel", DialogAnswer().Type(kWidth, "2").Click(kIdCancel), {}, 0, "13 13 101* 169 11 13 13"},
    });
}

TEST_F(ParameterDialogTest, RandomCountsMustAddUpToTheCellsAndAreExact)
{
    using random_dialog::CountId;
    // Opened with, focus; the counts of states 0, 1, 7 and 15; the cells of states 7 and 15.
    Play(kRandomOptions, DIALOG_RANDOM, [&](const PromptRecord& r) {
        const int32_t* counts = M().content.iRandomCount;
        return Seen(r.textsAfterInit.at(CountId(0)), r.textsAfterInit.at(CountId(1)), Focus(r), counts[0], counts[1],
                    counts[7], counts[15], CellsInState(7), CellsInState(15));
    }, {
        {"below the cell count; Cancel keeps the counts",
         DialogAnswer().Type(CountId(0), "100").Type(CountId(1), "68").Click(kIdOk).Click(kIdCancel),
         {kRandomTotalTooSmallMessage}, 0, "84 85 350 84 85 0 0 0 0"},
        {"above, then exact",
         DialogAnswer().Type(CountId(0), "0").Type(CountId(1), "0").Type(CountId(7), "70").Type(CountId(15), "100")
             .Click(kIdOk).Type(CountId(7), "69").Click(kIdOk),
         {kRandomTotalTooLargeMessage}, 1, "84 85 350 0 0 69 100 0 0"},
        {"Random gave exactly those; only the total is tested",
         DialogAnswer().Type(CountId(15), "-1").Type(CountId(0), "101").Click(kIdOk), {}, 1,
         "0 0 350 101 0 69 -1 69 100", [&] { Command(kRandom); }},
    });
}

TEST_F(ParameterDialogTest, TransitionRulesChangeOnlyOnOk)
{
    // The boxes ticked on opening (state s, sum k: 103 + 10 s + k), focus; iNumAuto of states 0,
    // 1, 2 and 15; the derived iModuloRules, which waits for the neighbourhood dialog.
    Play(kTransitionRules, DIALOG_RULES, [&](const PromptRecord& r) {
        return Seen(Marks(r.checkedAfterInit), Focus(r), A().iNumAuto[0], A().iNumAuto[1], A().iNumAuto[2],
                    A().iNumAuto[15], A().iModuloRules);
    }, {
        {"OK without a change", DialogAnswer().Click(kIdOk), {}, 1, "103,104,107,108,109,110,111,116 103 499 8 0 0 0"},
        {"sum 9 of state 2 is bit 9", DialogAnswer().Click(rules_dialog::BoxId(2, 9)).Click(kIdOk), {}, 1,
         "103,104,107,108,109,110,111,116 103 499 8 512 0 0"},
        {"Cancel", DialogAnswer().Click(103).Click(rules_dialog::BoxId(15, 0)).Click(kIdCancel), {}, 0,
         "103,104,107,108,109,110,111,116,132 103 499 8 512 0 0"},
    });
}

TEST_F(ParameterDialogTest, NeighbourhoodPresetsAndModesActAtOnceTypedValuesOnOk)
{
    using namespace neighbours_dialog;
    // Marks on opening, the user value and the two derived values shown, the neighbour count at
    // the end; the weights, the mode, the user value, the homogeneous switch, iModuloStates and
    // iModuloRules.
    Play(kNeighbourhood, DIALOG_NEIGHBOURS, [&](const PromptRecord& r) {
        std::string weights;
        for (const auto& column : A().iNeighbours)
            for (int32_t w : column)
                weights += std::to_string(w);
        return Seen(Marks(r.checkedAfterInit), r.textsAfterInit.at(kUserModulo), r.textsAfterInit.at(kModuloRules),
                    r.textsAfterInit.at(kModuloNeighbours), r.textsAtEnd.at(kModuloNeighbours), weights,
                    A().iModuloMode, A().iModuloDefault, A().bHomogeneousMode, A().iModuloStates, A().iModuloRules);
    }, {
        {"a preset stays after Cancel", DialogAnswer().Click(kNineNeighbours).Click(kFiveNeighbours).Click(kIdCancel),
         {}, 0, "107,120 10 9 8 5 010111010 0 10 1 2 9"},
        {"1-dimensional; a user value above 10 is refused and nothing typed is kept",
         DialogAnswer().Click(kOneDimensional).Type(WeightId(0, 0), "5").Type(kUserModulo, "11").Click(kIdOk)
             .Click(kIdCancel),
         {kUserModuloTooLargeMessage}, 0, "107,120 10 9 5 3 000111000 0 10 1 2 9"},
        {"mode 1 with 7", DialogAnswer().Click(kFirstModulo + 1).Type(kUserModulo, "7").Click(kIdOk), {}, 0,
         "107,120 10 9 3 3 000111000 1 7 1 2 9"},
        {"reopened on mode 1 and 7; the rules' mode, typed weights, the switch",
         DialogAnswer().Click(kTwoDimensional).Click(kFirstModulo + 2).Click(kHomogeneous)
             .Type(WeightId(2, 0), "abc").Type(WeightId(0, 2), "-4").Click(kIdOk),
         {}, 0, "107,121 7 9 3 8 11-4101011 2 7 0 2 9"},
    });
}

TEST_F(ParameterDialogTest, StatisticsShowCountsAndDensities)
{
    // Count and density of states 0, 1 and 15; a density is right-aligned in five characters.
    using namespace stat_dialog;
    Play(kStatistics, DIALOG_STAT, [&](const PromptRecord& r) {
        auto at = [&](int id) { return r.textsAfterInit.at(id); };
        return Seen(at(CountId(0)), at(DensityId(0)), at(CountId(1)), at(DensityId(1)), at(CountId(15)),
                    at(DensityId(15)));
    }, {
        {"the Standard figure", DialogAnswer().Click(kIdOk), {}, 1, "165  0.98 4  0.02 0  0.00"},
        {"after Null; Escape closes it too", DialogAnswer().Click(kIdCancel), {}, 0, "169  1.00 0  0.00 0  0.00",
         [&] { Command(kNull); }},
        {"no live cell: densities 0, not 0 / 0", DialogAnswer().Click(kIdOk), {}, 1, "0  0.00 0  0.00 0  0.00",
         [&] { A().wMaxVer = 1; ResetAutomaton(M()); }},
    });
}

TEST_F(ParameterDialogTest, Preferences)
{
    using namespace preferences_dialog;
    // Opened with limit, increment, delay, marks, focus; the cell width ("fitted" when dynamic),
    // increment, limit, delay, level, changes, grid, dynamic, rectangle, bPlane, the geometry in
    // force and a ring cell.
    Play(kPreferences, DIALOG_PREFERENCES, [&](const PromptRecord& r) {
        const int32_t width = M().cells.iCellWidth;
        return Seen(r.textsAfterInit.at(kIterLimit), r.textsAfterInit.at(kIterIncrement),
                    r.textsAfterInit.at(kContinuousDelay), Marks(r.checkedAfterInit), Focus(r),
                    width == DynamicCellSize(M().cells, A()) ? "fitted" : std::to_string(width), A().iIterIncrement,
                    A().iIterLimit, A().iContinuousDelay, A().iLevel, A().iChanges, M().settings.bDrawGrid,
                    M().cells.bDynamicCell, M().settings.bRectangle, M().settings.bPlane, A().iGeometryMode,
                    int{A().byArray[0][5]});
    }, {
        {"refusals keep what was stored before them",
         DialogAnswer().Type(kCellWidth, "7").Type(kIterIncrement, "3").Type(kIterLimit, "30").Click(kIdOk)
             .Type(kIterLimit, "-5").Click(kIdOk).Type(kIterLimit, "600").Type(kContinuousDelay, "32768")
             .Click(kIdOk).Type(kContinuousDelay, "-1").Click(kIdOk).Click(kIdCancel),
         {kIterLimitBelowLevelMessage, kIterLimitBelowLevelMessage, kContinuousDelayRangeMessage,
          kContinuousDelayRangeMessage},
         0, "500 250 0 104,105,116,120 103* 7 3 600 0 40 0 1 1 1 0 0 0", [&] { A().iLevel = 40; }},
        {"shape and marked geometry at once, the geometry in force only on OK",
         DialogAnswer().Click(kTorus).Click(kEllipse).Click(kIdCancel), {}, 0,
         "600 3 0 104,105,116,120 103* 7 3 600 0 40 0 1 1 0 1 0 0"},
        {"OK resets the run and wraps the torus; a dynamic size replaces the typed width",
         DialogAnswer().Type(kCellWidth, "3").Type(kContinuousDelay, "32767").Click(kDrawGrid).Click(kIdOk), {}, 0,
         "600 3 0 104,105,115,121 103* fitted 3 600 32767 1 0 0 1 0 1 1 1",
         [&] { A().iLevel = 40; A().iChanges = 5; A().byArray[13][5] = 1; }},
        {"a fixed width below 1 is kept", DialogAnswer().Type(kCellWidth, "0").Click(kDynamicCell).Click(kIdOk), {}, 0,
         "600 3 32767 104,115,121 103* 0 3 600 32767 1 0 0 0 0 1 1 1"},
    });
    // The Array window then shows and maps no cell, and divides by nothing.
    QWidget* view = program->ArrayWindowFrame()->View();
    view->grab();
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(0, A().iChanges);
}

// In the font the tests run with (DejaVu Sans here), in both languages: every control lies inside
// its dialog, shows its whole text, and no two overlap except a frame and what it holds.
TEST(ParameterDialogLayout, NothingIsClippedOrOverlaps)
{
    ScriptedPrompts prompts;
    DialogProcedure procedure;
    for (const DialogTemplate* dialogTemplate : {&DIALOG_RULES, &DIALOG_NEIGHBOURS, &DIALOG_STAT, &DIALOG_ARRAY,
                                                 &DIALOG_ARRAYFILL, &DIALOG_RANDOM, &DIALOG_PREFERENCES}) {
        for (const bool french : {false, true}) {
            TemplateDialog dialog(*dialogTemplate, french, procedure, prompts);
            std::vector<QWidget*> placed;
            for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QString text = child->property("text").toString().remove(QLatin1Char('&'));
                const std::string what = TemplateName(*dialogTemplate, french) + " " + text.toStdString();
                EXPECT_TRUE(dialog.rect().contains(child->geometry())) << what;
                if (qobject_cast<QGroupBox*>(child) != nullptr || child->metaObject() == &QFrame::staticMetaObject)
                    continue;
                for (const QWidget* other : placed)
                    EXPECT_FALSE(child->geometry().intersects(other->geometry())) << what;
                placed.push_back(child);
                const QFontMetrics metrics = child->fontMetrics();
                const bool showsText = qobject_cast<QLabel*>(child) != nullptr || qobject_cast<QAbstractButton*>(child);
                const int needed = qobject_cast<QPushButton*>(child) != nullptr ? metrics.horizontalAdvance(text) + 12
                                   : showsText                                  ? child->sizeHint().width()
                                                                                : 0;
                EXPECT_LE(needed, child->width()) << what;
                EXPECT_LE(metrics.height(), child->height()) << what;
            }
        }
    }
}

} // namespace
} // namespace vellicor::test
