// The parameter dialogs, each opened by its command in both languages and filled as a person
// fills it. A row's answer ends with the click that closes the dialog; a refusal that closed it
// too early, or a dialog left open, shows up among the prompts' problems.

#include "tests/shell/ProgramFixture.h"

#include "resources/ContentMessages.h"
#include "resources/Messages.h"
#include "resources/ParameterDialogTemplates.h"
#include "resources/ParameterMessages.h"
#include "platform/TemplateDialog.h"
#include "shell/ArrayDialogs.h"
#include "shell/AutomatonDialogs.h"
#include "shell/CommandIds.h"
#include "shell/PreferencesDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <variant>

namespace vellicor::test {
namespace {

using namespace command;

struct Row {
    const char* what;
    DialogAnswer answer;
    std::vector<BilingualText> refusals; // the messages shown, in order
    int result;                          // what the dialog ended with
    std::function<void(const PromptRecord&)> check;
    std::function<void()> before = {};
};

class ParameterDialogTest : public ProgramTest {
protected:
    Model& M() { return program->GetModel(); }

    // Each language on a fresh program; the rows of one language build on each other.
    void Play(int command, const DialogTemplate& dialog, const std::vector<Row>& rows)
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
                for (std::size_t i = 0; i < row.refusals.size(); ++i)
                    prompts.QueueMessageAnswer(kIdOk);
                Command(command);
                ASSERT_LT(first, prompts.Log().size());
                const PromptRecord& opened = prompts.Log()[first];
                EXPECT_EQ(TemplateName(dialog, language != 1), opened.text);
                EXPECT_EQ(row.result, opened.answer);
                std::vector<std::string> expected, shown;
                for (const BilingualText& text : row.refusals)
                    expected.emplace_back(PickText(text, language));
                for (std::size_t i = first + 1; i < prompts.Log().size(); ++i)
                    shown.push_back(prompts.Log()[i].text);
                EXPECT_EQ(expected, shown);
                row.check(opened);
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
    Play(kArrayParameters, DIALOG_ARRAY, {
        {"a width or height outside 0..100 is refused, the first failing field alone",
         DialogAnswer().Type(kWidth, "101").Click(kIdOk).Type(kWidth, "-1").Click(kIdOk).Type(kWidth, "50")
             .Type(kHeight, "101").Click(kIdOk).Click(kIdCancel),
         {kArrayWidthTooLargeMessage, kArrayWidthTooLargeMessage, kArrayHeightTooLargeMessage}, 0,
         [&](const PromptRecord& r) {
             EXPECT_EQ("13", r.textsAfterInit.at(kWidth));
             EXPECT_EQ("13", r.textsAfterInit.at(kHeight));
             EXPECT_TRUE(r.focusAfterInit == kWidth && r.selectedAfterInit);
             EXPECT_EQ(14, A().wMaxHor);
         }},
        {"the same size keeps the cells and the level but resets the Random counts",
         DialogAnswer().Click(kIdOk), {}, 1,
         [&](const PromptRecord&) { EXPECT_EQ((std::tuple(7, 84, 85)), std::tuple(A().iLevel, M().content.iRandomCount[0], M().content.iRandomCount[1])); },
         [&] { A().iLevel = 7; M().content.iRandomCount[0] = 169; M().content.iRandomCount[1] = 0; }},
        {"20 x 10 restarts with the Standard figure at its centre",
         DialogAnswer().Type(kWidth, "20").Type(kHeight, "10").Click(kIdOk), {}, 1,
         [&](const PromptRecord&) {
             EXPECT_EQ((std::tuple(21, 11, 1, 4)), std::tuple(A().wMaxHor, A().wMaxVer, A().iLevel, CellsInState(1)));
             for (auto [x, y] : {std::pair{9, 5}, {10, 5}, {11, 5}, {10, 6}})
                 EXPECT_EQ(1, A().byArray[x][y]) << x << "," << y;
         }},
        {"a fixed cell size too large for the window is adjusted, with a notice",
         DialogAnswer().Type(kWidth, "100").Type(kHeight, "100").Click(kIdOk), {kCellsAdjustedMessage}, 1,
         [&](const PromptRecord&) {
             EXPECT_EQ((std::tuple(101, 101, 0)), std::tuple(A().wMaxHor, A().wMaxVer, M().cells.bDynamicCell));
             EXPECT_EQ(DynamicCellSize(M().cells, A()), M().cells.iCellWidth);
         },
         [&] { M().cells.bDynamicCell = 0; M().cells.iCellWidth = 19; }},
        {"text that is not a number reads as 0 and is accepted",
         DialogAnswer().Type(kWidth, "").Type(kHeight, "abc").Click(kIdOk), {}, 1,
         [&](const PromptRecord&) { EXPECT_EQ((std::tuple(1, 1)), std::tuple(A().wMaxHor, A().wMaxVer)); }},
    });
}

TEST_F(ParameterDialogTest, ArrayFillKeepsTheLevel)
{
    using namespace fill_dialog;
    Play(kArrayFill, DIALOG_ARRAYFILL, {
        {"at most the visible size, and 13 x 13 fills every live cell",
         DialogAnswer().Type(kWidth, "14").Click(kIdOk).Type(kWidth, "13").Type(kHeight, "-1").Click(kIdOk)
             .Type(kHeight, "13").Click(kIdOk),
         {kFillWidthTooLargeMessage, kFillHeightTooLargeMessage}, 1,
         [&](const PromptRecord& r) {
             EXPECT_EQ("4", r.textsAfterInit.at(kWidth));
             EXPECT_EQ("2", r.textsAfterInit.at(kHeight));
             EXPECT_TRUE(r.focusAfterInit == kWidth && r.selectedAfterInit);
             EXPECT_EQ((std::tuple(169, 11)), std::tuple(CellsInState(1), A().iLevel));
         },
         [&] { A().iLevel = 11; }},
        {"Cancel stores nothing", DialogAnswer().Type(kWidth, "2").Click(kIdCancel), {}, 0,
         [&](const PromptRecord&) { EXPECT_EQ(13, M().content.iArrayFillHorMax); }},
    });
}

TEST_F(ParameterDialogTest, RandomCountsMustAddUpToTheCellsAndAreExact)
{
    using random_dialog::CountId;
    Play(kRandomOptions, DIALOG_RANDOM, {
        {"a total below the cell count is refused; Cancel keeps the counts",
         DialogAnswer().Type(CountId(0), "100").Type(CountId(1), "68").Click(kIdOk).Click(kIdCancel),
         {kRandomTotalTooSmallMessage}, 0,
         [&](const PromptRecord& r) {
             EXPECT_EQ("84", r.textsAfterInit.at(CountId(0)));
             EXPECT_EQ("85", r.textsAfterInit.at(CountId(1)));
             EXPECT_EQ(CountId(0), r.focusAfterInit);
             EXPECT_EQ(85, M().content.iRandomCount[1]);
         }},
        {"a total above is refused, the exact one accepted, and Random then gives exactly those counts",
         DialogAnswer().Type(CountId(0), "0").Type(CountId(1), "0").Type(CountId(7), "70").Type(CountId(15), "100")
             .Click(kIdOk).Type(CountId(7), "69").Click(kIdOk),
         {kRandomTotalTooLargeMessage}, 1,
         [&](const PromptRecord&) {
             Command(kRandom);
             EXPECT_EQ((std::tuple(0, 69, 100)), std::tuple(CellsInState(0), CellsInState(7), CellsInState(15)));
         }},
        {"only the total is tested: a negative count passes", DialogAnswer().Type(CountId(15), "-1").Type(CountId(0), "101").Click(kIdOk), {}, 1,
         [&](const PromptRecord&) { EXPECT_EQ(-1, M().content.iRandomCount[15]); }},
    });
}

TEST_F(ParameterDialogTest, TransitionRulesChangeOnlyOnOk)
{
    using rules_dialog::BoxId;
    Play(kTransitionRules, DIALOG_RULES, {
        {"the boxes show the rules, and OK without a change keeps them", DialogAnswer().Click(kIdOk), {}, 1,
         [&](const PromptRecord& r) {
             EXPECT_EQ((std::set<int>{BoxId(0, 0), BoxId(0, 1), BoxId(0, 4), BoxId(0, 5), BoxId(0, 6), BoxId(0, 7),
                                      BoxId(0, 8), BoxId(1, 3)}),
                       r.checkedAfterInit);
             EXPECT_EQ(BoxId(0, 0), r.focusAfterInit);
             EXPECT_EQ((std::tuple(499, 8)), std::tuple(A().iNumAuto[0], A().iNumAuto[1]));
         }},
        {"sum 9 of state 2 is bit 9", DialogAnswer().Click(BoxId(2, 9)).Click(kIdOk), {}, 1,
         [&](const PromptRecord&) {
             EXPECT_EQ((std::tuple(512, 1)), std::tuple(A().iNumAuto[2], A().iRules[2][9]));
             EXPECT_EQ(0, A().iModuloRules) << "the derived values wait for the neighbourhood dialog";
         }},
        {"Cancel", DialogAnswer().Click(BoxId(0, 0)).Click(BoxId(15, 0)).Click(kIdCancel), {}, 0,
         [&](const PromptRecord&) { EXPECT_EQ((std::tuple(499, 0)), std::tuple(A().iNumAuto[0], A().iNumAuto[15])); }},
    });
}

TEST_F(ParameterDialogTest, NeighbourhoodPresetsAndModesActAtOnceTypedValuesOnOk)
{
    using namespace neighbours_dialog;
    auto weights = [&] {
        std::string text;
        for (const auto& column : A().iNeighbours)
            for (int32_t w : column)
                text += std::to_string(w);
        return text;
    };
    Play(kNeighbourhood, DIALOG_NEIGHBOURS, {
        {"opening computes the modulo values; a preset stays after Cancel",
         DialogAnswer().Click(kNineNeighbours).Click(kFiveNeighbours).Click(kIdCancel), {}, 0,
         [&](const PromptRecord& r) {
             EXPECT_EQ((std::tuple("9", "8", "5")), std::tuple(r.textsAfterInit.at(kModuloRules), r.textsAfterInit.at(kModuloNeighbours), r.textsAtEnd.at(kModuloNeighbours)));
             EXPECT_EQ(2, A().iModuloStates);
             EXPECT_EQ((std::set<int>{kFirstModulo, kHomogeneous}), r.checkedAfterInit);
             EXPECT_EQ("010111010", weights());
         }},
        {"1-dimensional gives 3; a user value above 10 is refused and nothing typed is stored",
         DialogAnswer().Click(kOneDimensional).Type(WeightId(0, 0), "5").Type(kUserModulo, "11").Click(kIdOk)
             .Click(kIdCancel),
         {kUserModuloTooLargeMessage}, 0,
         [&](const PromptRecord& r) {
             EXPECT_EQ("3", r.textsAtEnd.at(kModuloNeighbours));
             EXPECT_EQ((std::tuple("000111000", 10)), std::tuple(weights(), A().iModuloDefault));
         }},
        {"mode 1 with 7", DialogAnswer().Click(kFirstModulo + 1).Type(kUserModulo, "7").Click(kIdOk), {}, 0,
         [&](const PromptRecord&) { EXPECT_EQ((std::tuple(1, 7)), std::tuple(A().iModuloMode, A().iModuloDefault)); }},
        {"reopened on mode 1 and 7; the rules' mode, typed weights and the homogeneous switch",
         DialogAnswer().Click(kTwoDimensional).Click(kFirstModulo + 2).Click(kHomogeneous)
             .Type(WeightId(2, 0), "abc").Type(WeightId(0, 2), "-4").Click(kIdOk),
         {}, 0,
         [&](const PromptRecord& r) {
             EXPECT_EQ((std::set<int>{kFirstModulo + 1, kHomogeneous}), r.checkedAfterInit);
             EXPECT_EQ("7", r.textsAfterInit.at(kUserModulo));
             EXPECT_EQ((std::tuple("11-4101011", 2, 0, 9)),
                       std::tuple(weights(), A().iModuloMode, A().bHomogeneousMode, A().iModuloRules));
         }},
    });
}

TEST_F(ParameterDialogTest, StatisticsShowCountsAndDensities)
{
    using namespace stat_dialog;
    auto shows = [](const PromptRecord& r, int state, const char* count, const char* density) {
        EXPECT_EQ((std::pair<std::string, std::string>(count, density)),
                  std::pair(r.textsAfterInit.at(CountId(state)), r.textsAfterInit.at(DensityId(state))))
            << "state " << state;
    };
    Play(kStatistics, DIALOG_STAT, {
        {"the Standard figure", DialogAnswer().Click(kIdOk), {}, 1,
         [&](const PromptRecord& r) { shows(r, 0, "165", " 0.98"); shows(r, 1, "4", " 0.02"); shows(r, 15, "0", " 0.00"); }},
        {"after Null; Escape closes it too", DialogAnswer().Click(kIdCancel), {}, 0,
         [&](const PromptRecord& r) { shows(r, 0, "169", " 1.00"); shows(r, 1, "0", " 0.00"); },
         [&] { Command(kNull); }},
        {"no live cell: densities 0, not 0 / 0", DialogAnswer().Click(kIdOk), {}, 1,
         [&](const PromptRecord& r) { shows(r, 0, "0", " 0.00"); },
         [&] { A().wMaxVer = 1; ResetAutomaton(M()); }},
    });
}

TEST_F(ParameterDialogTest, Preferences)
{
    using namespace preferences_dialog;
    Play(kPreferences, DIALOG_PREFERENCES, {
        {"refusals keep what was stored before them",
         DialogAnswer().Type(kCellWidth, "7").Type(kIterIncrement, "3").Type(kIterLimit, "30").Click(kIdOk)
             .Type(kIterLimit, "-5").Click(kIdOk).Type(kIterLimit, "600").Type(kContinuousDelay, "32768")
             .Click(kIdOk).Type(kContinuousDelay, "-1").Click(kIdOk).Click(kIdCancel),
         {kIterLimitBelowLevelMessage, kIterLimitBelowLevelMessage, kContinuousDelayRangeMessage,
          kContinuousDelayRangeMessage}, 0,
         [&](const PromptRecord& r) {
             EXPECT_EQ((std::tuple("500", "250", "0")), std::tuple(r.textsAfterInit.at(kIterLimit), r.textsAfterInit.at(kIterIncrement), r.textsAfterInit.at(kContinuousDelay)));
             EXPECT_EQ((std::set<int>{kDynamicCell, kDrawGrid, kRectangle, kPlane}), r.checkedAfterInit);
             EXPECT_TRUE(r.focusAfterInit == kCellWidth && r.selectedAfterInit);
             EXPECT_EQ((std::tuple(7, 3, 600, 0, 40)), std::tuple(M().cells.iCellWidth, A().iIterIncrement, A().iIterLimit, A().iContinuousDelay, A().iLevel));
         },
         [&] { A().iLevel = 40; }},
        {"the marked geometry and shape take effect at once, the applied geometry only on OK",
         DialogAnswer().Click(kTorus).Click(kEllipse).Click(kIdCancel), {}, 0,
         [&](const PromptRecord&) { EXPECT_EQ((std::tuple(1, 0, 0)), std::tuple(M().settings.bPlane, M().settings.bRectangle, A().iGeometryMode)); }},
        {"OK resets the run and wraps the torus; a dynamic size replaces the typed width",
         DialogAnswer().Type(kCellWidth, "3").Type(kContinuousDelay, "32767").Click(kDrawGrid).Click(kIdOk), {}, 0,
         [&](const PromptRecord& r) {
             EXPECT_TRUE(r.checkedAfterInit.contains(kTorus) && r.checkedAfterInit.contains(kEllipse));
             EXPECT_EQ((std::tuple(1, 0, 1, 32767, 0)), std::tuple(A().iLevel, A().iChanges, A().iGeometryMode, A().iContinuousDelay, M().settings.bDrawGrid));
             EXPECT_EQ(DynamicCellSize(M().cells, A()), M().cells.iCellWidth);
             EXPECT_EQ(1, A().byArray[0][5]) << "the ring holds the opposite edge";
         },
         [&] { A().iLevel = 40; A().iChanges = 5; A().byArray[13][5] = 1; }},
        {"a fixed width below 1 is kept; the Array window then shows and maps no cell",
         DialogAnswer().Type(kCellWidth, "0").Click(kDynamicCell).Click(kIdOk), {}, 0,
         [&](const PromptRecord&) {
             EXPECT_EQ((std::tuple(0, 0)), std::tuple(M().cells.iCellWidth, M().cells.bDynamicCell));
             QWidget* view = program->ArrayWindowFrame()->View();
             view->grab();
             QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
             EXPECT_EQ(0, A().iChanges);
         }},
    });
}

// From the keyboard alone, on the real dialogs, shown but not run modally: typing replaces the
// text selected on opening, Tab goes to the next control, Space ticks a box, Enter is OK, and
// Escape closes the dialog so that the Enter after it reaches nothing.
TEST_F(ParameterDialogTest, TheKeyboardAloneFillsThemIn)
{
    Start();
    struct KeyRow {
        const DialogTemplate& dialog;
        std::unique_ptr<DialogProcedure> procedure;
        std::vector<std::variant<const char*, Qt::Key>> keys;
        std::function<void()> check;
    };
    KeyRow rows[] = {
        {DIALOG_ARRAY, std::make_unique<ProcArray>(M(), [&] { ResetAutomaton(M()); }), {"20", Qt::Key_Tab, "10", Qt::Key_Return},
         [&] { EXPECT_EQ((std::tuple(21, 11)), std::tuple(A().wMaxHor, A().wMaxVer)); }},
        {DIALOG_RULES, std::make_unique<ProcParam>(A(), M().settings), {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return},
         [&] { EXPECT_EQ(499 - 1 - 2, A().iNumAuto[0]); }},
        {DIALOG_PREFERENCES, std::make_unique<ProcPrefer>(M()),
         {"-3", Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return},
         [&] { EXPECT_EQ((std::tuple(-3, 0, 0)), std::tuple(M().cells.iCellWidth, M().settings.bDrawGrid, M().cells.bDynamicCell)); }},
        {DIALOG_ARRAYFILL, std::make_unique<ProcArrayFill>(A(), M().content, 1), {"3", Qt::Key_Escape, Qt::Key_Return},
         [&] { EXPECT_EQ(4, M().content.iArrayFillHorMax); }},
    };
    for (KeyRow& row : rows) {
        TemplateDialog dialog(row.dialog, false, *row.procedure, prompts);
        row.procedure->OnInitDialog(dialog);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        for (const auto& key : row.keys) {
            if (std::holds_alternative<const char*>(key))
                QTest::keyClicks(dialog.focusWidget(), std::get<const char*>(key));
            else
                QTest::keyClick(dialog.focusWidget(), std::get<Qt::Key>(key));
        }
        row.check();
    }
    EXPECT_TRUE(prompts.Log().empty());
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
                    EXPECT_FALSE(child->geometry().intersects(other->geometry()))
                        << what << " and " << other->property("text").toString().toStdString();
                placed.push_back(child);
                const QFontMetrics metrics = child->fontMetrics();
                if (qobject_cast<QPushButton*>(child) != nullptr)
                    EXPECT_LE(metrics.horizontalAdvance(text) + 12, child->width()) << what;
                else if (qobject_cast<QLabel*>(child) != nullptr || qobject_cast<QAbstractButton*>(child) != nullptr)
                    EXPECT_LE(child->sizeHint().width(), child->width()) << what;
                EXPECT_LE(metrics.height(), child->height()) << what;
            }
        }
    }
}

} // namespace
} // namespace vellicor::test
