// The Help menu and the help viewer: each command opens the right page of the right set, the
// viewer's own controls work as a person uses them, and every link of every page lands somewhere.

#include "ProgramFixture.h"

#include "platform/HelpViewer.h"
#include "shell/CommandIds.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <functional>
#include <set>

// Failures name the page, not the bytes of the object.
inline void PrintTo(const QUrl& url, std::ostream* out)
{
    *out << url.toString().toStdString();
}

namespace vellicor::test {

namespace {

struct HelpCommand {
    int id;
    const char* page;
};

constexpr HelpCommand kHelpCommands[] = {
    {command::kHelpIndex, "index.html"}, {172, "commands.html"}, {230, "samples-2.html"},
    {231, "samples-3.html"},             {232, "samples-4.html"},
};

QUrl PageUrl(const QString& set, const QString& page)
{
    return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(set, page));
}

QString FileOf(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment).fileName();
}

// Calls visit for every fragment of the document, in order.
void ForEachFragment(const QTextDocument& document, const std::function<void(const QTextFragment&)>& visit)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            visit(it.fragment());
}

std::set<QString> AnchorNames(const QTextDocument& document)
{
    std::set<QString> names;
    ForEachFragment(document, [&](const QTextFragment& fragment) {
        for (const QString& name : fragment.charFormat().anchorNames())
            names.insert(name);
    });
    return names;
}

// Waits a little for what happens after a paint, such as scrolling to an anchor.
bool WaitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 100 && !condition(); ++i)
        QTest::qWait(10);
    return condition();
}

// A double click as the window system delivers it: two presses that Qt makes into one double
// click (a double click event sent straight to the widget does not reach the list's items).
void DoubleClick(QListWidget& list, QListWidgetItem& item)
{
    list.scrollToItem(&item);
    // The list lays its items out after it is shown.
    ASSERT_TRUE(WaitFor([&] { return list.viewport()->rect().contains(list.visualItemRect(&item).center()); }));
    const QPoint where = list.viewport()->mapTo(list.window(), list.visualItemRect(&item).center());
    QTest::mouseDClick(list.window()->windowHandle(), Qt::LeftButton, {}, where);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The Help commands, in both editions and both languages.

struct HelpScenario {
    const char* name;
    int32_t edition;
    const char* settings;
    int languageCommand; // 0: none
    const char* set;
    const char* title;
    const char* back;
    const char* keywords;
};

class HelpProgramTest : public ProgramTest {};

class HelpCommandTest : public ProgramTest, public ::testing::WithParamInterface<HelpScenario> {};

TEST_P(HelpCommandTest, EveryCommandOpensItsPageOfTheSet)
{
    const HelpScenario& scenario = GetParam();
    WriteSettings(std::string("[Vellicor]\n") + scenario.settings);
    Start(scenario.edition);
    if (scenario.languageCommand != 0)
        Command(scenario.languageCommand);
    EXPECT_EQ(0, program->State().bHelpUsed);
    EXPECT_EQ(nullptr, program->HelpWindow());

    for (const HelpCommand& help : kHelpCommands) {
        SCOPED_TRACE(help.id);
        Command(help.id);
        EXPECT_EQ(1, program->State().bHelpUsed);
        HelpViewer* viewer = program->HelpWindow();
        ASSERT_NE(nullptr, viewer);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_FALSE(viewer->isModal());
        EXPECT_EQ(PageUrl(scenario.set, help.page), viewer->CurrentPage());
        EXPECT_FALSE(viewer->Page().documentTitle().isEmpty()) << "the page was not loaded";
        EXPECT_FALSE(viewer->NoteShown());
        EXPECT_EQ(QString::fromUtf8(scenario.title), viewer->windowTitle());
        EXPECT_EQ(QString::fromUtf8(scenario.back), viewer->BackButton().text());
        EXPECT_EQ(QString::fromUtf8(scenario.keywords), viewer->Panels().tabText(1));
    }
    // The main window stays usable beside the viewer.
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
}

INSTANTIATE_TEST_SUITE_P(
    Editions, HelpCommandTest,
    ::testing::Values(
        HelpScenario{"English", 0, "", 0, "en", "Vellicor Help", "Back", "Keywords"},
        HelpScenario{"FrenchFile", 0, "iLanguage=0\n", 0, "fr", "Aide de Vellicor", "Précédent", "Mots-clés"},
        HelpScenario{"LanguageTwoIsFrench", 0, "iLanguage=2\n", 0, "fr", "Aide de Vellicor", "Précédent",
                     "Mots-clés"},
        HelpScenario{"SwitchedToFrench", 0, "", command::kFrench, "fr", "Aide de Vellicor", "Précédent",
                     "Mots-clés"},
        HelpScenario{"SwitchedToEnglish", 0, "iLanguage=0\n", command::kEnglish, "en", "Vellicor Help", "Back",
                     "Keywords"},
        HelpScenario{"Quorrel", 1, "", 0, "quorrel", "Quorrel Help", "Back", "Keywords"},
        HelpScenario{"QuorrelFrenchFile", 1, "iLanguage=0\n", 0, "quorrel", "Quorrel Help", "Back", "Keywords"},
        HelpScenario{"QuorrelSwitchedToFrench", 1, "", command::kFrench, "quorrel", "Quorrel Help", "Back",
                     "Keywords"}),
    [](const ::testing::TestParamInfo<HelpScenario>& info) { return std::string(info.param.name); });

TEST_F(HelpProgramTest, ASwitchOfLanguageMovesTheNextHelpCommandToTheOtherSet)
{
    Start();
    Command(172);
    Command(command::kFrench);
    Command(231);
    HelpViewer* viewer = program->HelpWindow();
    EXPECT_EQ(PageUrl("fr", "samples-3.html"), viewer->CurrentPage());
    EXPECT_EQ(QString::fromUtf8("Suivant"), viewer->ForwardButton().text());
    // Back stays inside the set shown: the English page is not one step behind the French one.
    EXPECT_FALSE(viewer->BackButton().isEnabled());
}

// ---------------------------------------------------------------------------------------------
// Closing the program.

TEST_F(HelpProgramTest, QuittingAfterHelpClosesTheViewerInBothEditions)
{
    for (int32_t edition : {0, 1}) {
        SCOPED_TRACE(edition);
        Start(edition);
        Command(172);
        HelpViewer* viewer = program->HelpWindow();
        ASSERT_NE(nullptr, viewer);
        ASSERT_TRUE(viewer->isVisible());
        if (edition == 0)
            Command(command::kQuit);
        else
            program->Frame().close(); // the close box
        EXPECT_FALSE(program->Frame().isVisible());
        EXPECT_FALSE(viewer->isVisible());
    }
}

TEST_F(HelpProgramTest, QuittingWithoutHelpLeavesTheViewerAlone)
{
    Start();
    program->Frame().close();
    EXPECT_EQ(0, program->State().bHelpUsed);
    EXPECT_EQ(nullptr, program->HelpWindow());
}

TEST_F(HelpProgramTest, AViewerClosedByThePersonIsReopenedByTheNextCommand)
{
    Start();
    Command(command::kHelpIndex);
    program->HelpWindow()->close();
    Command(230);
    EXPECT_TRUE(program->HelpWindow()->isVisible());
    EXPECT_EQ(PageUrl("en", "samples-2.html"), program->HelpWindow()->CurrentPage());
    program->Frame().close(); // the viewer was closed once already: closing it again is harmless
    EXPECT_FALSE(program->HelpWindow()->isVisible());
}

// ---------------------------------------------------------------------------------------------
// Moving about in the viewer.

TEST_F(HelpProgramTest, BackAndForwardWalkTheHistoryByButtonAndByKey)
{
    Start();
    Command(command::kHelpIndex);
    Command(172);
    Command(230);
    HelpViewer& viewer = *program->HelpWindow();
    EXPECT_FALSE(viewer.ForwardButton().isEnabled());

    QTest::mouseClick(&viewer.BackButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "commands.html"), viewer.CurrentPage());
    QTest::mouseClick(&viewer.BackButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());
    EXPECT_FALSE(viewer.BackButton().isEnabled());
    QTest::mouseClick(&viewer.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "commands.html"), viewer.CurrentPage());

    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(PageUrl("en", "samples-2.html"), viewer.CurrentPage());
    EXPECT_FALSE(viewer.ForwardButton().isEnabled());
    viewer.Page().setFocus();
    QTest::keyClick(&viewer.Page(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(PageUrl("en", "commands.html"), viewer.CurrentPage()) << "one step back, not two";
    QTest::keyClick(&viewer.Page(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());

    QTest::mouseClick(&viewer.IndexButton(), Qt::LeftButton);
    EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());
}

TEST_F(HelpProgramTest, AClickOnALinkOpensItsPage)
{
    Start();
    Command(command::kHelpIndex);
    HelpViewer& viewer = *program->HelpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    QTextBrowser& page = viewer.Page();

    int position = -1;
    ForEachFragment(*page.document(), [&](const QTextFragment& fragment) {
        if (position < 0 && fragment.charFormat().anchorHref() == QLatin1String("rules.html"))
            position = fragment.position() + 1;
    });
    ASSERT_GE(position, 0);
    QTextCursor cursor(page.document());
    cursor.setPosition(position);
    const QPoint where = page.cursorRect(cursor).center();
    ASSERT_EQ(QStringLiteral("rules.html"), page.anchorAt(where));
    QTest::mouseClick(page.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(PageUrl("en", "rules.html"), viewer.CurrentPage());
    EXPECT_TRUE(viewer.BackButton().isEnabled());
}

TEST(HelpViewerTest, AKeywordWithAnAnchorScrollsToIt)
{
    HelpViewer viewer;
    viewer.ShowKey("VLRUS.HLP", "accelerators");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_EQ(QUrl("qrc:/help/en/commands.html#keys"), viewer.CurrentPage());
    EXPECT_TRUE(WaitFor([&] { return viewer.Page().verticalScrollBar()->value() > 0; }));
}

TEST(HelpViewerTest, TypingNarrowsTheKeywordListAndEnterOrADoubleClickOpensAKeyword)
{
    HelpViewer viewer;
    viewer.ShowIndex("VLRUS.HLP");
    viewer.Panels().setCurrentIndex(1);
    QListWidget& list = viewer.KeywordList();
    ASSERT_EQ(static_cast<int>(viewer.Keywords().size()), list.count());
    ASSERT_GT(list.count(), 100);

    // No accent typed, and the samples still come first.
    QTest::keyClicks(&viewer.SearchField(), "ECHANT");
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(QString::fromUtf8("échantillons-2"), list.item(0)->text());
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Return);
    EXPECT_EQ(PageUrl("en", "samples-2.html"), viewer.CurrentPage());
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Down);
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Down);
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Down); // stops at the last
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Enter);
    EXPECT_EQ(PageUrl("en", "samples-4.html"), viewer.CurrentPage());

    viewer.SearchField().clear();
    EXPECT_EQ(static_cast<int>(viewer.Keywords().size()), list.count());
    QTest::keyClicks(&viewer.SearchField(), "array fill");
    ASSERT_EQ(1, list.count());
    DoubleClick(list, *list.item(0));
    EXPECT_EQ(QUrl("qrc:/help/en/initialisation.html#array-fill"), viewer.CurrentPage());

    viewer.SearchField().clear();
    QTest::keyClicks(&viewer.SearchField(), "no keyword has this");
    EXPECT_EQ(0, list.count());
    QTest::keyClick(&viewer.SearchField(), Qt::Key_Return); // nothing to open: nothing happens
    EXPECT_EQ(QUrl("qrc:/help/en/initialisation.html#array-fill"), viewer.CurrentPage());
}

TEST(HelpViewerTest, TheContentsListTheIndexPagesAndFollowThePageShown)
{
    HelpViewer viewer;
    viewer.ShowIndex("VLRFR.HLP");
    QListWidget& contents = viewer.ContentsList();
    EXPECT_EQ(QString::fromUtf8("Sommaire"), contents.item(0)->text());
    // The index page and every other page of the set, once each.
    EXPECT_EQ(QDir(":/help/fr").entryList({"*.html"}).size(), contents.count());
    EXPECT_EQ(0, contents.currentRow());

    viewer.ShowKey("VLRFR.HLP", "commands");
    ASSERT_NE(nullptr, contents.currentItem());
    QListWidgetItem* samples = nullptr;
    for (int row = 0; row < contents.count(); ++row) {
        if (contents.item(row)->text().contains(QLatin1String("337-0-128")))
            samples = contents.item(row);
    }
    ASSERT_NE(nullptr, samples);
    DoubleClick(contents, *samples);
    EXPECT_EQ(PageUrl("fr", "samples-2.html"), viewer.CurrentPage());
    EXPECT_EQ(samples, contents.currentItem());
}

// ---------------------------------------------------------------------------------------------
// What the program may be asked for: unknown files, unknown keys, odd spellings.

TEST(HelpViewerTest, AKeyOfNoTopicShowsTheIndexWithANote)
{
    HelpViewer viewer;
    viewer.ShowKey("VLRFR.HLP", "<b>aucune</b>");
    EXPECT_EQ(PageUrl("fr", "index.html"), viewer.CurrentPage());
    ASSERT_TRUE(viewer.NoteShown());
    EXPECT_TRUE(viewer.NoteText().contains(QLatin1String("<b>aucune</b>"))) << "the key is shown as it is";
    EXPECT_TRUE(viewer.NoteText().startsWith(QString::fromUtf8("Il n'y a pas")));

    viewer.ShowKey("VLRFR.HLP", "");
    EXPECT_EQ(PageUrl("fr", "index.html"), viewer.CurrentPage());
    EXPECT_TRUE(viewer.NoteShown());

    // The next page shown takes the note away.
    viewer.ShowKey("VLRFR.HLP", "COMMANDS");
    EXPECT_EQ(PageUrl("fr", "commands.html"), viewer.CurrentPage());
    EXPECT_FALSE(viewer.NoteShown());
}

TEST(HelpViewerTest, KeysIgnoreCaseAndFileNamesChooseTheirSet)
{
    HelpViewer viewer;
    viewer.ShowKey("vlrfr.hlp", "ÉCHANTILLONS-3");
    EXPECT_EQ(PageUrl("fr", "samples-3.html"), viewer.CurrentPage());
    viewer.ShowKey("C:\\VLR\\QRLUS.HLP", "e\xcc\x81" "chantillons-4"); // the accent as a combining mark
    EXPECT_EQ(PageUrl("quorrel", "samples-4.html"), viewer.CurrentPage());
    viewer.ShowIndex("NOSUCH.HLP");
    EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());
    EXPECT_EQ(HelpSetId::English, *viewer.CurrentSet());
    viewer.Quit();
    EXPECT_FALSE(viewer.isVisible());
    viewer.Quit(); // twice is harmless
}

TEST(HelpViewerTest, LinksThatLeaveTheSetAreNotFollowed)
{
    HelpViewer viewer;
    viewer.FollowLink(QUrl("rules.html")); // before any command: nothing to resolve against
    EXPECT_TRUE(viewer.CurrentPage().isEmpty());
    viewer.ShowIndex("VLRUS.HLP");
    for (const char* href : {"../fr/rules.html", "../../help/quorrel/index.html", "keywords.txt", "missing.html",
                             "file:///etc/passwd", "http://example.com/index.html", "qrc:/help/fr/index.html"}) {
        SCOPED_TRACE(href);
        viewer.FollowLink(QUrl(href));
        EXPECT_EQ(PageUrl("en", "index.html"), viewer.CurrentPage());
    }
}

TEST(HelpKeywordsTest, ReadsTheFileFormatAndToleratesItsSlips)
{
    const QString text = QString::fromUtf8("# a comment\tcommands.html\n"
                                           "\n"
                                           "zebra\tz.html#top\r\n"
                                           "no tab here\n"
                                           "\tnokeyword.html\n"
                                           "Alpha\ta.html\n"
                                           "ALPHA\tsecond.html\n"
                                           "échantillons-2\tsamples-2.html\n"
                                           "empty target\t\n"
                                           "Beta\tb.html");
    const std::vector<HelpKeyword> keywords = ParseHelpKeywords(text);
    std::vector<QString> names;
    for (const HelpKeyword& k : keywords)
        names.push_back(k.keyword);
    EXPECT_EQ((std::vector<QString>{"Alpha", "Beta", QString::fromUtf8("échantillons-2"), "zebra"}), names);
    EXPECT_EQ(QStringLiteral("z.html#top"), FindHelpKeyword(keywords, "ZEBRA")->target);
    EXPECT_EQ(QStringLiteral("a.html"), FindHelpKeyword(keywords, "alpha")->target) << "the first line wins";
    EXPECT_EQ(QStringLiteral("samples-2.html"), FindHelpKeyword(keywords, QString::fromUtf8("Échantillons-2"))->target);
    EXPECT_FALSE(FindHelpKeyword(keywords, "echantillons-2")) << "a lookup ignores case, not accents";
    EXPECT_FALSE(FindHelpKeyword(keywords, ""));
    EXPECT_FALSE(FindHelpKeyword(keywords, "no tab here"));
    EXPECT_EQ(1u, FilterHelpKeywords(keywords, "ECHANT").size());
    EXPECT_EQ(4u, FilterHelpKeywords(keywords, "  ").size());
    EXPECT_EQ(0u, ParseHelpKeywords("").size());
}

// ---------------------------------------------------------------------------------------------
// The whole content, inside the viewer.

class HelpSetLinksTest : public ::testing::TestWithParam<const char*> {};

TEST_P(HelpSetLinksTest, EveryLinkOfEveryPageLandsOnAnExistingPageAndEveryPictureLoads)
{
    HelpViewer viewer;
    viewer.ShowIndex(GetParam());
    viewer.hide(); // the pages still load and lay out, only sooner
    const QString set = viewer.CurrentPage().adjusted(QUrl::RemoveFilename).path().section(u'/', -2, -2);
    const QStringList pages = QDir(QStringLiteral(":/help/") + set).entryList({"*.html"});
    ASSERT_GE(pages.size(), 20);
    int links = 0;
    int pictures = 0;
    auto follow = [&](const QString& from, const QString& href) {
        SCOPED_TRACE((set + u'/' + from + u' ' + href).toStdString());
        const QUrl link(href);
        viewer.FollowLink(link);
        const QUrl landed = viewer.CurrentPage();
        EXPECT_TRUE(IsPageOfSet(*viewer.CurrentSet(), landed));
        EXPECT_EQ(link.path().isEmpty() ? from : FileOf(link), FileOf(landed)) << "the link was not followed";
        if (link.hasFragment()) {
            EXPECT_EQ(link.fragment(), landed.fragment());
            EXPECT_EQ(1u, AnchorNames(*viewer.Page().document()).count(link.fragment())) << "no such anchor";
        }
        ++links;
    };
    for (const QString& name : pages) {
        SCOPED_TRACE((set + u'/' + name).toStdString());
        viewer.FollowLink(QUrl(name));
        ASSERT_EQ(PageUrl(set, name), viewer.CurrentPage());
        ASSERT_FALSE(viewer.Page().documentTitle().isEmpty());

        std::vector<QString> inPage;
        std::vector<QString> toPages;
        ForEachFragment(*viewer.Page().document(), [&](const QTextFragment& fragment) {
            const QTextCharFormat format = fragment.charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                (format.anchorHref().startsWith(u'#') ? inPage : toPages).push_back(format.anchorHref());
            if (format.isImageFormat()) {
                const QString source = format.toImageFormat().name();
                const QVariant data = viewer.Page().loadResource(QTextDocument::ImageResource, QUrl(source));
                const QImage image = data.userType() == QMetaType::QImage ? data.value<QImage>()
                                                                           : QImage::fromData(data.toByteArray());
                EXPECT_FALSE(image.isNull()) << source.toStdString();
                ++pictures;
            }
        });
        ASSERT_FALSE(toPages.empty()) << "every page links back to the index";
        for (const QString& href : inPage)
            follow(name, href);
        // A link to a page resolves against the folder of the page that holds it, which is the
        // folder of every page of the set: following the next one from the page the last one
        // opened resolves it as its own page does, without loading that page again each time.
        for (const QString& href : toPages)
            follow(name, href);
    }
    EXPECT_GT(links, 150);
    EXPECT_GE(pictures, 15);
}

INSTANTIATE_TEST_SUITE_P(Sets, HelpSetLinksTest, ::testing::Values("VLRUS.HLP", "VLRFR.HLP", "QRLUS.HLP"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 5);
                         });

} // namespace vellicor::test
