#include "tests/shell/ProgramFixture.h"

#include "content/Initialisation.h"
#include "engine/Processing.h"
#include "engine/Rules.h"
#include "resources/ExplorerTexts.h"
#include "shell/Explorer.h"
#include "views/ArrayImage.h"
#include "views/GalleryView.h"
#include "tests/ThreadCount.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>


namespace vellicor::test {
namespace {

class ExplorerTest : public ProgramTest {
protected:
    void SetUp() override
    {
        Start();
        // A random 40 x 40 array under weighted sums of the states, as a picture maker sets it.
        Automaton& a = A();
        a.wMaxHor = a.wMaxVer = 41;
        a.bHomogeneousMode = 0;
        a.iNeighbours[0][1] = a.iNeighbours[1][0] = a.iNeighbours[1][2] = a.iNeighbours[2][1] = 2;
        ResetAutomaton(program->GetModel());
        ResetRandomCounts(program->GetModel().content, a);
        InitRandom(a, program->GetModel().content, 99);
    }

    ExplorerWindow* Window() { return program->GetExplorer().Window(); }
    GalleryView& Gallery() { return Window()->Gallery(); }
    template <typename T> T* Control(const char* name) { return Window()->findChild<T*>(QLatin1String(name)); }
    void Click(const char* button) { QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton); }
    void Type(const char* box, const QString& text)
    {
        Control<QSpinBox>(box)->selectAll();
        QTest::keyClicks(Control<QSpinBox>(box), text);
    }
    void ClickSlot(int slot, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(&Gallery(), Qt::LeftButton, keys, Gallery().SlotRect(slot).center());
    }
    bool WaitForGallery()
    {
        for (int i = 0; i < 1000 && Gallery().ReadyCount() < Gallery().SlotCount(); ++i)
            QTest::qWait(10);
        return Gallery().ReadyCount() == Gallery().SlotCount();
    }
    std::vector<RuleSet> Rules()
    {
        std::vector<RuleSet> rules;
        for (int slot = 0; slot < Gallery().SlotCount(); ++slot)
            rules.push_back(Gallery().Slot(slot).rules);
        return rules;
    }
};

TEST_F(ExplorerTest, EveryThumbnailIsTheProgramsOwnRunOfItsRulesAndAdoptingSetsThem)
{
    Key(Qt::Key_E);
    ASSERT_NE(nullptr, Window());
    ASSERT_TRUE(WaitForGallery());
    EXPECT_EQ(16, Gallery().SlotCount());
    const Automaton start = A();
    for (int slot = 0; slot < Gallery().SlotCount(); ++slot) {
        ClickSlot(slot);
        Click("Adopt");
        const RuleSet rules = Gallery().Slot(slot).rules;
        ASSERT_EQ(rules, std::to_array(A().iNumAuto)) << "slot " << slot;
        Automaton decoded = A();
        DecodeRules(decoded);
        EXPECT_EQ(0, std::memcmp(decoded.iRules, A().iRules, sizeof decoded.iRules)) << "slot " << slot;
        Automaton own = A();
        RunSteps(own, 100);
        EXPECT_EQ(RenderArrayImage(own, program->GetModel().settings.crStateColor), Gallery().Picture(slot))
            << "slot " << slot;
    }
    EXPECT_EQ(0, std::memcmp(start.byArray[0], A().byArray[0], sizeof(CellArray))) << "the rules alone changed cells";

    // A double click adopts, and the Info window shows the new numbers.
    const QImage infoBefore = program->InfoWindow()->View()->grab().toImage();
    QTest::mouseDClick(&Gallery(), Qt::LeftButton, {}, Gallery().SlotRect(2).center());
    EXPECT_EQ(Gallery().Slot(2).rules, std::to_array(A().iNumAuto));
    QCoreApplication::processEvents();
    EXPECT_NE(infoBefore, program->InfoWindow()->View()->grab().toImage());

    // With the picture, the array holds the thumbnail's last generation; one Ctrl+Z takes both back.
    const QImage adoptedPicture = RenderArrayImage(A(), program->GetModel().settings.crStateColor);
    ClickSlot(5);
    Click("AdoptWithPicture");
    EXPECT_EQ(Gallery().Slot(5).rules, std::to_array(A().iNumAuto));
    EXPECT_EQ(Gallery().Picture(5), RenderArrayImage(A(), program->GetModel().settings.crStateColor));
    program->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->Frame()));
    Key(Qt::Key_Z);
    EXPECT_EQ(Gallery().Slot(2).rules, std::to_array(A().iNumAuto));
    EXPECT_EQ(adoptedPicture, RenderArrayImage(A(), program->GetModel().settings.crStateColor));

    // The seed shown brings the same gallery back; Cross takes the two selected.
    const std::vector<RuleSet> first = Rules();
    const QString seed = Control<QSpinBox>("Seed")->text();
    AdoptCandidate(A(), first[0], &start); // the array the gallery grew from
    Click("New");
    ASSERT_TRUE(WaitForGallery());
    EXPECT_NE(first, Rules());
    Type("Seed", seed);
    Click("New");
    ASSERT_TRUE(WaitForGallery());
    EXPECT_EQ(first, Rules());
    EXPECT_FALSE(Control<QPushButton>("Cross")->isEnabled());
    ClickSlot(1);
    ClickSlot(6, Qt::ControlModifier);
    ASSERT_TRUE(Control<QPushButton>("Cross")->isEnabled());
    Click("Cross");
    ASSERT_TRUE(WaitForGallery());
    const SumTargets a = TargetsOf(first[1]);
    const SumTargets b = TargetsOf(first[6]);
    for (const RuleSet& child : Rules())
        for (int k = 0; k < kSumCount; ++k)
            EXPECT_TRUE(TargetsOf(child)[size_t(k)] == a[size_t(k)] || TargetsOf(child)[size_t(k)] == b[size_t(k)]);
}

TEST_F(ExplorerTest, TheContextMenusOpenItAndANewGalleryOrClosingItLeavesNothingRunning)
{
    const int threadsBefore = ThreadsOfThisProcess();
    Command(556); // French: the menu item follows the language
    // The Informations window's menu pops up and returns; the explorer's item comes before the
    // Canvas's at its end.
    QWidget* info = program->InfoWindow()->View();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20), info->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(info, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(nullptr, menu);
    const QList<QAction*> items = menu->actions();
    ASSERT_GE(items.size(), 2);
    const QString itemText = items[items.size() - 2]->text();
    items[items.size() - 2]->trigger();
    menu->close();
    EXPECT_EQ(QString::fromUtf8(kExplorerMenuItem.french.data()), itemText);
    ASSERT_NE(nullptr, Window());
    EXPECT_EQ(QStringLiteral("Croiser"), Control<QPushButton>("Cross")->text());
    ASSERT_TRUE(WaitForGallery());

    // Weighted sums of eight states on a random start give noise alone: every place is marked,
    // with its tip, and the status line says what to change. With four states a few places find a
    // picture among the noise, and the line says nothing.
    const QString mostlyNoise = QString::fromUtf8(kExplorerMostlyNoise.french.data());
    auto status = [this] { return Control<QLabel>("Status")->text(); };
    Type("Seed", QStringLiteral("5"));
    Click("New");
    ASSERT_TRUE(WaitForGallery());
    const auto marked = [this](SlotMark mark) {
        int count = 0;
        for (int slot = 0; slot < Gallery().SlotCount(); ++slot)
            count += Gallery().Slot(slot).mark == mark ? 1 : 0;
        return count;
    };
    ASSERT_GT(marked(SlotMark::Noise), Gallery().SlotCount() / 2);
    ASSERT_GT(marked(SlotMark::None), 0);
    EXPECT_FALSE(status().contains(mostlyNoise)) << status().toStdString();
    Type("States", QStringLiteral("8"));
    Type("Seed", QStringLiteral("6"));
    Click("New");
    ASSERT_TRUE(WaitForGallery());
    EXPECT_TRUE(status().endsWith(mostlyNoise)) << status().toStdString();
    EXPECT_EQ(SlotMark::Noise, Gallery().Slot(0).mark);
    QHelpEvent tip(QEvent::ToolTip, Gallery().SlotRect(0).center(), Gallery().mapToGlobal(Gallery().SlotRect(0).center()));
    QApplication::sendEvent(&Gallery(), &tip);
    EXPECT_TRUE(QToolTip::text().endsWith(QString::fromUtf8(kExplorerDullTip.french.data()))) << QToolTip::text().toStdString();

    // Runs long enough to be caught running: a new gallery replaces them, closing ends them.
    Type("Generations", QStringLiteral("100000"));
    Click("New");
    EXPECT_TRUE(Window()->Running());
    EXPECT_EQ(threadsBefore + 2, ThreadsOfThisProcess());
    Click("New");
    EXPECT_EQ(threadsBefore + 2, ThreadsOfThisProcess()) << "the first gallery's runs go on";
    QPointer<ExplorerWindow> window = Window();
    program->GetExplorer().Frame()->close();
    EXPECT_EQ(threadsBefore, ThreadsOfThisProcess());
    QTest::qWait(20);
    EXPECT_TRUE(window.isNull());

    // The icon bar's menu opens a new one.
    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(nullptr, menu);
        menu->actions().value(0)->trigger();
        menu->close();
    });
    QWidget* bar = program->Frame().findChild<QWidget*>(QStringLiteral("IconBar"));
    QContextMenuEvent barClick(QContextMenuEvent::Mouse, QPoint(400, 10), bar->mapToGlobal(QPoint(400, 10)));
    QApplication::sendEvent(bar, &barClick);
    ASSERT_NE(nullptr, Window());
    EXPECT_TRUE(WaitForGallery());
}

} // namespace
} // namespace vellicor::test
