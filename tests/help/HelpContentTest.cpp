// The three help sets as the program holds them, read with the viewer's own HTML parser: every
// page renders with a title, every link, keyword and picture leads somewhere, and the sets agree
// with each other and with their source folders.

#include "platform/HelpKeywords.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

#include <map>
#include <set>

// For the failure messages and the values gtest prints.
inline std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace vellicor {
namespace {

struct Page {
    QString title; // empty too when the page is
    std::set<QString> anchors;
    std::set<QString> links;
    std::vector<QTextImageFormat> images;
};
using HelpPages = std::map<QString, Page>;

QString ReadText(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << path << " is not UTF-8";
    return text;
}

HelpPages ReadSet(const QString& set)
{
    InitHelpResources();
    HelpPages pages;
    for (const QString& name : QDir(":/help/" + set).entryList({"*.html"})) {
        QTextDocument document;
        document.setHtml(ReadText(":/help/" + set + '/' + name));
        Page& page = pages[name];
        page.title = document.isEmpty() ? QString() : document.metaInformation(QTextDocument::DocumentTitle);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& anchor : format.anchorNames())
                    page.anchors.insert(anchor);
                if (format.isAnchor() && !format.anchorHref().isEmpty())
                    page.links.insert(format.anchorHref());
                if (format.isImageFormat())
                    page.images.push_back(format.toImageFormat());
            }
        }
    }
    return pages;
}

// What is wrong with the target of a link from the page `from` ("page.html#anchor", "#anchor"),
// as the viewer resolves it; empty when it leads to a page and anchor of the set.
QString Lost(const HelpPages& pages, const QString& set, const QString& from, const QString& target)
{
    const QUrl base("qrc:/help/" + set + '/' + from);
    const QUrl url = base.resolved(QUrl(target));
    const auto page = pages.find(url.fileName());
    if (url.adjusted(QUrl::RemoveFilename | QUrl::RemoveFragment) != base.adjusted(QUrl::RemoveFilename) ||
        page == pages.end())
        return "no page " + target;
    if (url.hasFragment() && page->second.anchors.count(url.fragment()) == 0)
        return "no anchor " + target;
    return {};
}

class HelpSetTest : public testing::TestWithParam<const char*> {
protected:
    const QString set = GetParam();
    const HelpPages pages = ReadSet(set);
};

TEST_P(HelpSetTest, EveryPageRendersAndItsLinksAndPicturesLeadSomewhere)
{
    ASSERT_EQ(1u, pages.count("index.html"));
    for (const auto& [name, page] : pages) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(page.title.isEmpty()) << "empty or without a title";
        const bool linked = pages.at("index.html").links.count(name) != 0 && page.links.count("index.html") != 0;
        EXPECT_TRUE(linked || name == "index.html") << "not linked both ways with the contents page";
        for (const QString& link : page.links)
            EXPECT_EQ(QString(), Lost(pages, set, name, link));
        for (const QTextImageFormat& image : page.images) {
            const QImage picture(':' + QUrl("qrc:/help/" + set + '/').resolved(QUrl(image.name())).path());
            EXPECT_FALSE(picture.isNull()) << image.name();
            EXPECT_EQ(picture.size(), QSize(qRound(image.width()), qRound(image.height()))) << image.name();
        }
    }
}

TEST_P(HelpSetTest, EveryKeywordLeadsSomewhereAndTheHelpMenuFindsItsKeys)
{
    const QString text = ReadText(":/help/" + set + "/keywords.txt");
    // Every line that is no comment is a keyword the viewer keeps: none malformed, none repeated.
    size_t lines = 0;
    for (const QString& line : text.split('\n'))
        lines += !line.isEmpty() && !line.startsWith('#');
    const std::vector<HelpKeyword> keywords = ParseHelpKeywords(text);
    EXPECT_EQ(lines, keywords.size());
    EXPECT_GE(keywords.size(), 60u);
    for (const HelpKeyword& keyword : keywords)
        EXPECT_EQ(QString(), Lost(pages, set, "index.html", keyword.target)) << keyword.keyword;
    for (const char* key : {"commands", "échantillons-2", "échantillons-3", "échantillons-4"})
        EXPECT_TRUE(FindHelpKeyword(keywords, QString::fromUtf8(key))) << key;
}

INSTANTIATE_TEST_SUITE_P(Sets, HelpSetTest, testing::Values("en", "fr", "quorrel"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// The viewer follows a language switch to the same page and anchor of the other set, and the
// build takes the sets from the folders: the program must hold exactly their files.
TEST(HelpSets, HoldTheSamePagesTheSameAnchorsAndTheFilesOfTheirSources)
{
    const QString source = VELLICOR_HELP_DIR;
    auto Files = [](const QString& folder) { return QDir(folder).entryList(QDir::Files); };
    std::set<QString> shown;
    for (const QString set : {"en", "fr", "quorrel"}) {
        EXPECT_EQ(Files(source + (set == "fr" ? "/fr" : "/en")), Files(":/help/" + set)) << set;
        EXPECT_EQ(Files(":/help/en"), Files(":/help/" + set)) << set;
        for (const auto& [name, page] : ReadSet(set))
            for (const QTextImageFormat& image : page.images)
                shown.insert(QUrl(image.name()).fileName());
    }
    EXPECT_EQ(Files(source + "/images"), Files(":/help/images"));
    EXPECT_EQ(Files(":/help/images"), QStringList(shown.begin(), shown.end())) << "pictures no page shows";

    const HelpPages en = ReadSet("en");
    const HelpPages fr = ReadSet("fr");
    for (const auto& [name, page] : en)
        EXPECT_EQ(page.anchors, fr.count(name) ? fr.at(name).anchors : std::set<QString>()) << name;
}

} // namespace
} // namespace vellicor
