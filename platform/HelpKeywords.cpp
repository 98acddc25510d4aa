#include "platform/HelpKeywords.h"

#include <algorithm>
#include <set>

namespace vellicor {

QString FoldCase(const QString& text)
{
    // Composed first, so that an "é" written as "e" and a combining accent folds like the one
    // written as a single character.
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString FoldForSearch(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare.append(c);
    }
    return bare.toCaseFolded();
}

std::vector<HelpKeyword> ParseHelpKeywords(const QString& text)
{
    std::vector<HelpKeyword> keywords;
    std::set<QString> seen;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        HelpKeyword entry{line.left(tab).trimmed(), line.mid(tab + 1).trimmed()};
        if (entry.keyword.isEmpty() || entry.target.isEmpty())
            continue;
        if (!seen.insert(FoldCase(entry.keyword)).second)
            continue;
        keywords.push_back(std::move(entry));
    }
    // Letters before their case and accent variants, then the text itself, so that the order
    // does not depend on the file's and equal-looking keywords stay together.
    std::sort(keywords.begin(), keywords.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
        const int bySearch = QString::compare(FoldForSearch(a.keyword), FoldForSearch(b.keyword));
        if (bySearch != 0)
            return bySearch < 0;
        return a.keyword < b.keyword;
    });
    return keywords;
}

std::optional<HelpKeyword> FindHelpKeyword(const std::vector<HelpKeyword>& keywords, const QString& key)
{
    const QString wanted = FoldCase(key.trimmed());
    if (wanted.isEmpty())
        return std::nullopt;
    for (const HelpKeyword& entry : keywords) {
        if (FoldCase(entry.keyword) == wanted)
            return entry;
    }
    return std::nullopt;
}

std::vector<HelpKeyword> FilterHelpKeywords(const std::vector<HelpKeyword>& keywords, const QString& typed)
{
    const QString wanted = FoldForSearch(typed.trimmed());
    std::vector<HelpKeyword> shown;
    for (const HelpKeyword& entry : keywords) {
        if (wanted.isEmpty() || FoldForSearch(entry.keyword).contains(wanted))
            shown.push_back(entry);
    }
    return shown;
}

} // namespace vellicor
