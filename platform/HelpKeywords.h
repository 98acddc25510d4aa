#pragma once
// The keyword list of one help set, read from its keywords.txt: one "keyword<TAB>page#anchor" per
// line, UTF-8. A lookup ignores the case of the letters, accented ones included ("Échantillons-2"
// finds "échantillons-2"); the search field of the viewer also ignores accents, so a person who
// types "echant" still finds the samples.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vellicor {

struct HelpKeyword {
    QString keyword;
    QString target; // "rules.html#example", relative to the set's folder
};

// Lines that are empty, start with '#' or hold no TAB are skipped, as are lines whose keyword or
// target is empty; of two lines with the same keyword (ignoring case) the first is kept. A CR
// before the LF is tolerated. The result is sorted as the viewer shows it.
std::vector<HelpKeyword> ParseHelpKeywords(const QString& text);

// The keyword equal to key, ignoring case; nothing when there is none.
std::optional<HelpKeyword> FindHelpKeyword(const std::vector<HelpKeyword>& keywords, const QString& key);

// The keywords whose text holds typed, ignoring case and accents, in list order; all of them when
// typed is empty or blank.
std::vector<HelpKeyword> FilterHelpKeywords(const std::vector<HelpKeyword>& keywords, const QString& typed);

// The form both comparisons above use: case folded, and for the search also without accents.
QString FoldCase(const QString& text);
QString FoldForSearch(const QString& text);

} // namespace vellicor
