// Every item of the three menu bars, chosen as a person chooses it, does something a person can
// see, and the program goes on answering.

#include "tests/shell/ProgramFixture.h"

#include "shell/CommandIds.h"

#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>

#include <QAction>

#include <sstream>

namespace vellicor::test {
namespace {

using namespace command;

class MenuWalkTest : public ProgramTest, public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

    // A prompt, a repaint, a menu mark, a copy to the clipboard or a file saved (saved again with
    // the same values, it is still a new file).
    std::string Seen()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const QFileInfo file(QString::fromStdString(SettingsPath()));
        std::ostringstream seen;
        seen << prompts.Log().size() << ' ' << paints << ' ' << copies << ' ' << file.lastModified().toMSecsSinceEpoch();
        for (const auto& [id, item] : program->Frame().GetMenuState().items)
            seen << ' ' << id << (item.checked ? "c" : "") << (item.grayed ? "g" : "");
        return seen.str();
    }

    // Chooses every item of the bar shown, by id, so the language items, which change the bar,
    // come last. A grayed Selection item gets what it needs first: a point marked or a rectangle
    // selected in the Array window. An item already checked (an open window, the language shown)
    // may do nothing.
    void Walk(std::vector<int>& didNothing)
    {
        const CommandMenuBar& bar = program->Frame().MenuBar(program->Frame().ShownMenu());
        for (const int id : bar.ItemIds()) {
            QAction* item = bar.Item(id);
            if (id == kQuit)
                continue;
            const int c = program->GetModel().cells.iCellWidth;
            auto cell = [c](int xy) { return QPoint(10 + xy * c + c / 2, 10 + xy * c + c / 2); };
            if (!item->isEnabled())
                QTest::mouseClick(program->ArrayWindowFrame()->View(), Qt::LeftButton, Qt::NoModifier, cell(3));
            if (!item->isEnabled()) {
                QTest::mousePress(program->ArrayWindowFrame()->View(), Qt::LeftButton, Qt::NoModifier, cell(2));
                QTest::mouseRelease(program->ArrayWindowFrame()->View(), Qt::LeftButton, Qt::NoModifier, cell(4));
            }
            const bool mayDoNothing = item->isChecked();
            const bool grayed = !item->isEnabled();
            const std::string before = Seen();
            item->trigger();
            if (!mayDoNothing && (grayed || Seen() == before))
                didNothing.push_back(id);
            ASSERT_TRUE(program->Frame().isVisible()) << id;
        }
    }

    int paints = 0;
    int copies = 0;
};

TEST_F(MenuWalkTest, EveryItemOfTheThreeBarsDoesSomethingAndTheProgramGoesOn)
{
    qApp->installEventFilter(this);
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [this] { ++copies; });
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
    qApp->removeEventFilter(this);
}

} // namespace
} // namespace vellicor::test
