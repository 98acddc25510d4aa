// The Help menu and the help viewer as a person uses them. That every link and keyword of the
// help sets leads somewhere is checked in tests/help.

#include "ProgramFixture.h"

#include "platform/HelpViewer.h"
#include "shell/CommandIds.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>

#include <functional>

// Failures name the page, not the bytes of the object.
inline void PrintTo(const QUrl& url, std::ostream* out)
{
    *out << url.toString().toStdString();
}

namespace vellicor::test {

namespace {

QUrl PageUrl(const char* set, const char* page)
{
    return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(QLatin1String(set), QLatin1String(page)));
}

// Waits a little for what happens after a paint, such as scrolling to an anchor.
bool WaitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 100 && !condition(); ++i)
        QTest::qWait(10);
    return condition();
}

// Two presses on the window, which Qt makes into the double click a list's items receive.
void DoubleClick(QListWidget& list, QListWidgetItem& item)
{
    ASSERT_TRUE(WaitFor([&] { return list.viewport()->rect().contains(list.visualItemRect(&item).center()); }));
    const QPoint where = list.viewport()->mapTo(list.window(), list.visualItemRect(&item).center());
    QTest::mouseDClick(list.window()->windowHandle(), Qt::LeftButton, {}, where);
}

struct HelpScenario { const char* name; int32_t edition; const char* settings; const char* set; };

} // namespace

class HelpProgramTest : public ProgramTest {};

class HelpCommandTest : public ProgramTest, public ::testing::WithParamInterface<HelpScenario> {};

TEST_P(HelpCommandTest, EveryCommandOpensItsPageOfTheSet)
{
    WriteSettings(std::string("[Vellicor]\n") + GetParam().settings);
    Start(GetParam().edition);
    const std::pair<int, const char*> commands[] = {{command::kHelpIndex, "index.html"}, {172, "commands.html"},
                                                    {230, "samples-2.html"}, {231, "samples-3.html"},
                                                    {232, "samples-4.html"}};
    for (const auto& [id, page] : commands) {
        Command(id);
        HelpViewer* viewer = program->HelpWindow();
        ASSERT_NE(nullptr, viewer);
        EXPECT_TRUE(viewer->isVisible() && !viewer->isModal());
        EXPECT_EQ(PageUrl(GetParam().set, page), viewer->CurrentPage());
        EXPECT_FALSE(viewer->Page().toPlainText().isEmpty()) << "the page was not loaded";
    }
}

// Quorrel's help is in English only, whatever the language of its dialogs.
INSTANTIATE_TEST_SUITE_P(Editions, HelpCommandTest,
                         ::testing::Values(HelpScenario{"English", 0, "", "en"},
                                           HelpScenario{"French", 0, "iLanguage=0\n", "fr"},
                                           HelpScenario{"Quorrel", 1, "", "quorrel"},
                                           HelpScenario{"QuorrelFrench", 1, "iLanguage=0\n", "quorrel"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpProgramTest, TheViewerFollowsALanguageSwitchAndClosesWithTheProgram)
{
    Start();
    program->Frame().close();
    EXPECT_EQ(nullptr, program->HelpWindow()) << "no viewer made only to be closed";

    Start();
    Command(172);
    HelpViewer* viewer = program->HelpWindow();
    viewer->close(); // by the person: the next command opens it again
    Command(command::kFrench);
    Command(231);
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_EQ(PageUrl("fr", "samples-3.html"), viewer->CurrentPage());
    EXPECT_EQ(QString::fromUtf8("Suivant"), viewer->ForwardButton().text());
    // Back stays inside the set shown: the English page is not one step behind the French one.
    EXPECT_FALSE(viewer->BackButton().isEnabled());
    Command(command::kQuit);
    EXPECT_FALSE(viewer->isVisible());

    Start(1);
    Command(command::kHelpIndex);
    program->Frame().close(); // the close box
    EXPECT_FALSE(program->HelpWindow()->isVisible());
}

TEST_F(HelpProgramTest, ALinkClickThenBackAndForwardByButtonAndKey)
{
    Start();
    Command(command::kHelpIndex);
    HelpViewer& viewer = *program->HelpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTextBrowser& page = viewer.Page();
    QTextCursor link = page.document()->find(QStringLiteral("Transition rules"));
    link.setPosition(link.selectionStart() + 1);
    const QPoint where = page.cursorRect(link).center();
    ASSERT_EQ(QStringLiteral("rules.html"), page.anchorAt(where));
    QTest::mouseClick(page.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(PageUrl("en", "rules.html"), viewer.CurrentPage());
    Command(230);

    page.setFocus();
    QTest::keyClick(&page, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(PageUrl("en", "rules.html"), viewer.CurrentPage()) << "one step back, not two";
    QTest::mouseClick(&viewer.BackButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());
    EXPECT_FALSE(viewer.BackButton().isEnabled());
    QTest::mouseClick(&viewer.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "rules.html"), viewer.CurrentPage());
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(PageUrl("en", "samples-2.html"), viewer.CurrentPage());
    QTest::mouseClick(&viewer.IndexButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());
}

TEST(HelpViewerTest, KeywordSearchAndTheContentsOpenTheirPages)
{
    HelpViewer viewer;
    viewer.ShowIndex("VLRUS.HLP");
    viewer.Panels().setCurrentIndex(1);
    QListWidget& list = viewer.KeywordList();
    QLineEdit& search = viewer.SearchField();
    QTest::keyClicks(&search, "ECHANT"); // no accent typed
    ASSERT_EQ(3, list.count());
    QTest::keyClick(&search, Qt::Key_Down);
    QTest::keyClick(&search, Qt::Key_Return);
    EXPECT_EQ(PageUrl("en", "samples-3.html"), viewer.CurrentPage());

    search.clear();
    QTest::keyClicks(&search, "accelerators");
    ASSERT_EQ(1, list.count());
    DoubleClick(list, *list.item(0));
    EXPECT_EQ(PageUrl("en", "commands.html#keys"), viewer.CurrentPage());
    EXPECT_TRUE(WaitFor([&] { return viewer.Page().verticalScrollBar()->value() > 0; })) << "not at the anchor";

    search.clear();
    QTest::keyClicks(&search, "no keyword has this");
    QTest::keyClick(&search, Qt::Key_Return); // nothing to open: nothing happens
    EXPECT_EQ(PageUrl("en", "commands.html#keys"), viewer.CurrentPage());

    viewer.Panels().setCurrentIndex(0);
    QListWidget& contents = viewer.ContentsList();
    EXPECT_EQ(contents.findItems(QStringLiteral("Menu commands"), Qt::MatchContains).value(0), contents.currentItem());
    const QList<QListWidgetItem*> samples = contents.findItems(QStringLiteral("337-0-128"), Qt::MatchContains);
    ASSERT_EQ(1, samples.size());
    DoubleClick(contents, *samples[0]);
    EXPECT_EQ(PageUrl("en", "samples-2.html"), viewer.CurrentPage());
}

TEST(HelpViewerTest, KeysIgnoreCaseAndAKeyOfNoTopicShowsTheIndexWithANote)
{
    HelpViewer viewer;
    viewer.ShowKey("VLRFR.HLP", "<b>aucune</b>");
    EXPECT_EQ(PageUrl("fr", "index.html"), viewer.CurrentPage());
    ASSERT_TRUE(viewer.NoteShown());
    EXPECT_TRUE(viewer.NoteText().contains(QLatin1String("<b>aucune</b>"))) << "the key is shown as it is";
    viewer.ShowKey("vlrfr.hlp", "ÉCHANTILLONS-3");
    EXPECT_EQ(PageUrl("fr", "samples-3.html"), viewer.CurrentPage());
    EXPECT_FALSE(viewer.NoteShown());
    viewer.ShowKey("C:\\VLR\\QRLUS.HLP", "e\xcc\x81" "chantillons-4"); // the accent as a combining mark
    EXPECT_EQ(PageUrl("quorrel", "samples-4.html"), viewer.CurrentPage());
}

TEST(HelpViewerTest, LinksThatLeaveTheSetAreNotFollowed)
{
    HelpViewer viewer;
    viewer.ShowIndex("VLRUS.HLP");
    for (const char* href : {"../fr/rules.html", "../../help/quorrel/index.html", "keywords.txt", "missing.html",
                             "file:///etc/passwd", "http://example.com/index.html", "qrc:/help/fr/index.html"}) {
        viewer.FollowLink(QUrl(href));
        EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage()) << href;
    }
}

} // namespace vellicor::test
