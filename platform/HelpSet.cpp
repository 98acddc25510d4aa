#include "platform/HelpSet.h"

#include "platform/QtText.h"

#include <QFile>

namespace vellicor {

namespace {

QString Pick(const BilingualText& text, HelpSetId set)
{
    return FromUtf8(PickText(text, HelpSetLanguage(set)));
}

QString Folder(HelpSetId set)
{
    switch (set) {
    case HelpSetId::French: return QStringLiteral("fr");
    case HelpSetId::Quorrel: return QStringLiteral("quorrel");
    case HelpSetId::English: break;
    }
    return QStringLiteral("en");
}

constexpr BilingualText kBack{"Back", "Précédent"};
constexpr BilingualText kForward{"Forward", "Suivant"};
constexpr BilingualText kIndex{"Index", "Index"};
constexpr BilingualText kContents{"Contents", "Sommaire"};
constexpr BilingualText kKeywords{"Keywords", "Mots-clés"};
constexpr BilingualText kSearchHint{"Type part of a keyword", "Tapez une partie d'un mot-clé"};
constexpr BilingualText kUnknownKey{"There is no help topic for the keyword \"%1\". Here is the index.",
                                    "Il n'y a pas de rubrique d'aide pour le mot-clé « %1 ». Voici l'index."};

} // namespace

HelpSetId HelpSetFor(std::string_view helpFile)
{
    const size_t slash = helpFile.find_last_of("\\/");
    const std::string_view base = slash == std::string_view::npos ? helpFile : helpFile.substr(slash + 1);
    const QString name = FromUtf8(base).trimmed();
    if (name.compare(QLatin1String("VLRFR.HLP"), Qt::CaseInsensitive) == 0)
        return HelpSetId::French;
    if (name.compare(QLatin1String("QRLUS.HLP"), Qt::CaseInsensitive) == 0)
        return HelpSetId::Quorrel;
    return HelpSetId::English;
}

int HelpSetLanguage(HelpSetId set)
{
    return set == HelpSetId::French ? 0 : 1;
}

QString HelpSetTitle(HelpSetId set)
{
    switch (set) {
    case HelpSetId::French: return QStringLiteral("Aide de Vellicor");
    case HelpSetId::Quorrel: return QStringLiteral("Quorrel Help");
    case HelpSetId::English: break;
    }
    return QStringLiteral("Vellicor Help");
}

QUrl HelpSetBase(HelpSetId set)
{
    return QUrl(QStringLiteral("qrc:/help/%1/").arg(Folder(set)));
}

QUrl HelpIndexUrl(HelpSetId set)
{
    return HelpSetBase(set).resolved(QUrl(QStringLiteral("index.html")));
}

QString HelpResourcePath(const QUrl& url)
{
    if (url.scheme() != QLatin1String("qrc"))
        return {};
    return u':' + url.path();
}

bool IsPageOfSet(HelpSetId set, const QUrl& url)
{
    if (url.scheme() != QLatin1String("qrc") || !url.host().isEmpty())
        return false;
    // resolved() has already taken out "..", so a path that still starts with the folder is in it.
    const QString path = url.path();
    const QString folder = HelpSetBase(set).path();
    if (!path.startsWith(folder) || path.contains(QLatin1String("/../")) || !path.endsWith(QLatin1String(".html")))
        return false;
    return QFile::exists(HelpResourcePath(url));
}

HelpViewerTexts HelpViewerTextsFor(HelpSetId set)
{
    return {Pick(kBack, set),     Pick(kForward, set),    Pick(kIndex, set),     Pick(kContents, set),
            Pick(kKeywords, set), Pick(kSearchHint, set), Pick(kUnknownKey, set)};
}

} // namespace vellicor
