#pragma once
// The three help sets built into the program and how a help file name chooses one. The names are
// those the Help commands pass ("VLRUS.HLP", "VLRFR.HLP", "QRLUS.HLP"); each set is a folder of
// pages under qrc:/help/ with its index.html and keywords.txt. A set's pages are addressed by
// qrc URLs, and nothing outside the set's folder counts as one of its pages.

#include <QString>
#include <QUrl>

#include <string_view>

namespace vellicor {

enum class HelpSetId { English, French, Quorrel };

// The set a help file name opens. The name is compared without regard to case and to any folder
// before it ("c:\\vlr\\vlrfr.hlp" is the French set); a name of no set opens the English one, so
// that a Help command always shows something.
HelpSetId HelpSetFor(std::string_view helpFile);

// 1 for the sets written in English, 0 for the French one: the iLanguage their labels follow.
int HelpSetLanguage(HelpSetId set);
// The window title, naming the set.
QString HelpSetTitle(HelpSetId set);

// qrc:/help/en/ and so on; relative targets resolve against it.
QUrl HelpSetBase(HelpSetId set);
QUrl HelpIndexUrl(HelpSetId set);
// The resource path (":/help/en/rules.html") of a page URL.
QString HelpResourcePath(const QUrl& url);
// True when url is an existing page of the set: a qrc URL of an .html file inside the set's own
// folder. The fragment does not matter.
bool IsPageOfSet(HelpSetId set, const QUrl& url);

// The texts of the viewer's own controls, in the set's language.
struct HelpViewerTexts {
    QString back;
    QString forward;
    QString index;
    QString contents;
    QString keywords;
    QString searchHint;
    QString unknownKey; // %1 is the key
};
HelpViewerTexts HelpViewerTextsFor(HelpSetId set);

} // namespace vellicor
