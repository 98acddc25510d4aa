// Every item of the three menu bars, chosen as a person chooses it, does something a person can
// see, and the program goes on answering.

#include "tests/shell/ProgramFixture.h"

#include "platform/HelpViewer.h"
#include "shell/CommandIds.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMenu>

namespace vellicor::test {
namespace {

using namespace command;

// Commands of windows and dialogs still being built elsewhere (the Colors dialog, the Mosaic and
// Multi-bitmap windows and the French Window / Initialiser that makes them again, the copies to
// the clipboard): they may do nothing yet, or something.
const std::set<int> kMayDoNothingYet = {kCopyBitmap, kCopyMosaic, kCopyArray,          kCopyMultiBitmap, 121,
                                        kWindowMultiBitmap, kWindowMosaic, kWindowInitialise, 240};

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class MenuWalkTest : public ProgramTest {
protected:
    // What a person can see change: a prompt, a repaint, a menu mark, a help page, the settings
    // file.
    std::string Seen()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        std::string seen = std::to_string(prompts.Log().size()) + " " + std::to_string(paints.paints);
        for (const auto& [id, item] : program->Frame().GetMenuState().items)
            seen += " " + std::to_string(id) + (item.checked ? "c" : "") + (item.grayed ? "g" : "");
        if (const HelpViewer* help = program->HelpWindow())
            seen += " " + help->CurrentPage().toString().toStdString();
        // Saved again with the same values, the file is still a new one.
        const QFileInfo file(QString::fromStdString(SettingsPath()));
        return seen + " " + file.lastModified().toString(Qt::ISODateWithMs).toStdString();
    }

    // A Selection item is grayed until a point is marked or a rectangle selected in the Array
    // window; the person makes whichever it needs.
    void MakeAvailable(QAction* item)
    {
        QWidget* view = program->ArrayWindowFrame()->View();
        const int c = program->GetModel().cells.iCellWidth;
        auto at = [c](int cell) { return QPoint(10 + cell * c + c / 2, 10 + cell * c + c / 2); };
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at(3));
        if (!item->isEnabled()) {
            QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at(2));
            QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at(4));
        }
    }

    // Chooses every item of the bar shown, in menu order, the language items last since they
    // change the bar.
    void Walk(std::vector<int>& didNothing)
    {
        const CommandMenuBar& bar = program->Frame().MenuBar(program->Frame().ShownMenu());
        std::map<const QAction*, int> idOf;
        for (int id : bar.ItemIds())
            idOf[bar.Item(id)] = id;
        std::vector<std::pair<QAction*, int>> items;
        QList<QAction*> pending = bar.actions();
        while (!pending.empty()) {
            QAction* action = pending.takeFirst();
            if (action->menu() != nullptr)
                pending = action->menu()->actions() + pending;
            else if (idOf.contains(action) && idOf[action] != kQuit)
                items.emplace_back(action, idOf[action]);
        }
        std::stable_partition(items.begin(), items.end(),
                              [](const auto& item) { return item.second != kEnglish && item.second != kFrench; });
        for (auto [item, id] : items) {
            if (!item->isEnabled())
                MakeAvailable(item);
            if (!item->isEnabled()) {
                if (!kMayDoNothingYet.contains(id))
                    didNothing.push_back(id);
                continue;
            }
            const bool wasChecked = item->isChecked(); // an open window's item, the language shown
            const std::string before = Seen();
            item->trigger();
            if (Seen() == before && !wasChecked && !kMayDoNothingYet.contains(id))
                didNothing.push_back(id);
            ASSERT_TRUE(program->Frame().isVisible()) << id;
        }
    }

    PaintCounter paints;
};

TEST_F(MenuWalkTest, EveryItemOfTheThreeBarsDoesSomethingAndTheProgramGoesOn)
{
    qApp->installEventFilter(&paints);
    WriteSettings("[Vellicor]\niIterLimit=20\n"); // short continuous runs: New reads it back
    for (const int32_t edition : {0, 1}) {
        Start(edition);
        std::vector<int> didNothing;
        Walk(didNothing);
        if (edition == 0)
            Walk(didNothing); // the French bar, shown by the English bar's last item
        EXPECT_EQ(std::vector<int>(), didNothing) << "edition " << edition;

        program->Frame().activateWindow(); // the help viewer took the focus
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program->Frame()));
        A().iIterLimit = A().iLevel + 10;
        const int32_t level = A().iLevel;
        Key(Qt::Key_N);
        EXPECT_EQ(level + 1, A().iLevel) << "the keys still reach the program";
        program->Frame().MenuBar(program->Frame().ShownMenu()).Item(kQuit)->trigger();
        EXPECT_FALSE(program->Frame().isVisible());
    }
    qApp->removeEventFilter(&paints);
}

} // namespace
} // namespace vellicor::test
