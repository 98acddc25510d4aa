// The help pages, their keywords, pictures and resource file, read as plain files: everything the
// help viewer will be asked to open must be there, be listed in help.qrc and render.

#include "HelpChecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

namespace vellicor::help {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpRoot = VELLICOR_HELP_DIR;
const fs::path kImages = kHelpRoot / "images";

std::string Joined(const Problems& problems)
{
    std::string text;
    for (const std::string& p : problems)
        text += "\n  " + p;
    return text;
}

std::set<std::string> QrcEntries()
{
    Problems problems;
    const auto files = QrcFiles(ReadFile(kHelpRoot / "help.qrc"), problems);
    EXPECT_TRUE(problems.empty()) << Joined(problems);
    return {files.begin(), files.end()};
}

bool Contains(const Problems& problems, const std::string& part)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(part) != std::string::npos; });
}

// The checker itself must see the faults it is there for, or every test below proves nothing.
TEST(HelpChecker, FindsTheFaultsItLooksFor)
{
    const Page good = MakePage("good.html", "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                            "charset=utf-8\"><title>T</title></head><body><h1><a name=\"top\">T</a>"
                                            "</h1><p>A &amp; B &times; C &#233;</p></body></html>");
    EXPECT_TRUE(CheckMarkup(good).empty()) << Joined(CheckMarkup(good));

    const Page bad = MakePage("bad.html", "<html><head><title></title></head><body><div>x</div><p>&New "
                                          "<b>bold</p><a href=\"good.html#nowhere\">a</a></body></html>");
    const Problems markup = CheckMarkup(bad);
    EXPECT_TRUE(Contains(markup, "<div> is not rendered")) << Joined(markup);
    EXPECT_TRUE(Contains(markup, "</p> closes <b>")) << Joined(markup);
    EXPECT_TRUE(Contains(markup, "charset")) << Joined(markup);
    EXPECT_TRUE(Contains(markup, "no title")) << Joined(markup);
    EXPECT_TRUE(Contains(markup, "0 <h1>")) << Joined(markup);

    const Page entity = MakePage("e.html", "<p>Save &New</p>");
    EXPECT_TRUE(Contains(CheckMarkup(entity), "'&' that starts no known entity")) << Joined(CheckMarkup(entity));
    const Page unclosed = MakePage("u.html", "<ul><li>one</li>");
    EXPECT_TRUE(Contains(CheckMarkup(unclosed), "<ul> is never closed"));
    const Page twice = MakePage("t.html", "<a name=\"x\">1</a><a name=\"x\">2</a>");
    EXPECT_TRUE(Contains(twice.parseProblems, "given twice"));

    HelpSet set;
    set.name = "test";
    set.pages.emplace(good.name, good);
    const Page links = MakePage("links.html", "<a href=\"good.html#top\">ok</a><a href=\"good.html#nowhere\">1</a>"
                                              "<a href=\"gone.html\">2</a><a href=\"../fr/index.html\">3</a>"
                                              "<a href=\"http://example.org/\">4</a><a href=\"#here\">5</a>"
                                              "<img src=\"../images/none.png\" width=\"1\" height=\"1\" alt=\"x\">");
    const Problems linkProblems = CheckLinks(links, set, kImages);
    EXPECT_EQ(6u, linkProblems.size()) << Joined(linkProblems);
    EXPECT_TRUE(Contains(linkProblems, "missing anchor good.html#nowhere"));
    EXPECT_TRUE(Contains(linkProblems, "missing page gone.html"));
    EXPECT_TRUE(Contains(linkProblems, "../fr/index.html leaves the help set"));
    EXPECT_TRUE(Contains(linkProblems, "missing anchor #here"));
    EXPECT_TRUE(Contains(linkProblems, "none.png is missing"));

    Problems parse;
    const auto keywords = ParseKeywords("# comment\nNext\tgood.html#top\nnext\tgood.html\nbroken line\n"
                                        "Gone\tgone.html\r\n",
                                        parse);
    EXPECT_EQ(3u, keywords.size());
    EXPECT_TRUE(Contains(parse, "line 4: not \"keyword<TAB>page\"")) << Joined(parse);
    EXPECT_TRUE(Contains(parse, "line 5: CR")) << Joined(parse);
    const Problems keywordProblems = CheckKeywords(keywords, set);
    EXPECT_TRUE(Contains(keywordProblems, "next repeats line 2")) << Joined(keywordProblems);
    EXPECT_TRUE(Contains(keywordProblems, "Gone leads to missing page")) << Joined(keywordProblems);

    EXPECT_TRUE(IsValidUtf8("\xc3\xa9" "chantillons"));
    EXPECT_FALSE(IsValidUtf8("\xe9" "chantillons")) << "Latin-1 is not UTF-8";
    EXPECT_FALSE(IsValidUtf8("\xc0\xaf")) << "overlong form";
    EXPECT_FALSE(IsValidUtf8("ab\xc3")) << "cut short";
    EXPECT_FALSE(PngSize("GIF89a and more bytes than a header").has_value());
}

class HelpSetTest : public testing::TestWithParam<const char*> {
protected:
    HelpSet set = LoadHelpSet(kHelpRoot / GetParam());
};

TEST_P(HelpSetTest, EveryPageRendersAndEveryLinkAndPictureResolves)
{
    ASSERT_GE(set.pages.size(), 20u) << "the help set is missing or incomplete";
    for (const auto& [name, page] : set.pages) {
        EXPECT_TRUE(CheckMarkup(page).empty()) << Joined(CheckMarkup(page));
        EXPECT_TRUE(CheckLinks(page, set, kImages).empty()) << Joined(CheckLinks(page, set, kImages));
    }
}

TEST_P(HelpSetTest, IndexLeadsToEveryPageAndEveryPageBackToIt)
{
    ASSERT_EQ(1u, set.pages.count("index.html"));
    std::set<std::string> listed;
    for (const Tag& tag : set.pages.at("index.html").tags)
        if (tag.name == "a" && tag.attributes.count("href"))
            listed.insert(SplitTarget(tag.attributes.at("href")).first);
    for (const auto& [name, page] : set.pages) {
        if (name == "index.html")
            continue;
        EXPECT_EQ(1u, listed.count(name)) << name << " is not on the contents page";
        EXPECT_NE(std::string::npos, page.text.find("<a href=\"index.html\">")) << name << " has no way back";
    }
}

TEST_P(HelpSetTest, KeywordsLeadToPagesAndHoldTheKeysOfTheHelpMenu)
{
    Problems problems;
    const auto keywords = ParseKeywords(ReadFile(kHelpRoot / GetParam() / "keywords.txt"), problems);
    EXPECT_TRUE(problems.empty()) << Joined(problems);
    const Problems targets = CheckKeywords(keywords, set);
    EXPECT_TRUE(targets.empty()) << Joined(targets);
    EXPECT_GE(keywords.size(), 60u) << "a keyword list worth the name";

    // The Help menu's commands open these keys in every edition and language.
    for (const std::string key : {"commands", "\xc3\xa9" "chantillons-2", "\xc3\xa9" "chantillons-3",
                                  "\xc3\xa9" "chantillons-4"})
        EXPECT_TRUE(std::any_of(keywords.begin(), keywords.end(), [&](const Keyword& k) { return k.key == key; }))
            << "no keyword " << key;
}

TEST_P(HelpSetTest, EveryFileOfTheSetIsBuiltIntoTheProgram)
{
    const std::set<std::string> qrc = QrcEntries();
    const std::string folder = GetParam();
    EXPECT_EQ(1u, qrc.count(folder + "/keywords.txt"));
    for (const auto& entry : fs::directory_iterator(kHelpRoot / folder))
        EXPECT_EQ(1u, qrc.count(folder + "/" + entry.path().filename().string()))
            << entry.path().filename() << " is not in help.qrc";
}

INSTANTIATE_TEST_SUITE_P(Sets, HelpSetTest, testing::Values("en", "fr", "quorrel"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(HelpResources, EveryListedFileExistsAndEveryPictureIsShown)
{
    const std::set<std::string> qrc = QrcEntries();
    for (const std::string& file : qrc)
        EXPECT_TRUE(fs::is_regular_file(kHelpRoot / file)) << file << " is listed in help.qrc but missing";

    std::set<std::string> shown;
    for (const char* name : {"en", "fr", "quorrel"})
        for (const auto& [pageName, page] : LoadHelpSet(kHelpRoot / name).pages)
            for (const Tag& tag : page.tags)
                if (tag.name == "img" && tag.attributes.count("src"))
                    shown.insert(fs::path(tag.attributes.at("src")).filename().string());
    for (const auto& entry : fs::directory_iterator(kImages)) {
        const std::string file = entry.path().filename().string();
        EXPECT_EQ(1u, qrc.count("images/" + file)) << file << " is not in help.qrc";
        EXPECT_EQ(1u, shown.count(file)) << file << " is shown by no page";
    }
    // The three sample pages show five generations each.
    EXPECT_EQ(15u, shown.size());
}

// The viewer follows a language switch by opening the same page and anchor in the other set.
TEST(HelpResources, TheSetsHaveTheSamePagesAndTheLanguagesTheSameAnchors)
{
    const HelpSet en = LoadHelpSet(kHelpRoot / "en");
    const HelpSet fr = LoadHelpSet(kHelpRoot / "fr");
    const HelpSet quorrel = LoadHelpSet(kHelpRoot / "quorrel");
    auto names = [](const HelpSet& set) {
        std::set<std::string> n;
        for (const auto& [name, page] : set.pages)
            n.insert(name);
        return n;
    };
    EXPECT_EQ(names(en), names(fr));
    EXPECT_EQ(names(en), names(quorrel));
    for (const auto& [name, page] : en.pages) {
        if (fr.pages.count(name) != 0) {
            EXPECT_EQ(page.anchors, fr.pages.at(name).anchors) << name;
        }
    }
}

} // namespace
} // namespace vellicor::help
