#pragma once
// Reads the help content as plain files and finds what would break it in the help viewer: markup
// the viewer cannot render, links to pages or anchors that do not exist, pictures that are missing
// or mis-sized, keywords that lead nowhere, files the resource file does not list.
//
// A help set is one folder of pages (en, fr, quorrel) beside the shared images folder. Links stay
// inside their set ("page.html", "page.html#anchor", "#anchor"); pictures are "../images/x.png".
// Every check returns its findings as readable lines, empty when all is well.

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellicor::help {

using Problems = std::vector<std::string>;

struct Tag {
    std::string name; // lower case, without the '/' of a closing tag
    bool closing = false;
    std::map<std::string, std::string> attributes; // names lower case
    int line = 0;
};

struct Page {
    std::string name; // file name inside its set, "rules.html"
    std::string text;
    std::vector<Tag> tags;
    std::set<std::string> anchors; // <a name="...">
    Problems parseProblems;       // malformed tags, found while reading
};

struct HelpSet {
    std::string name;
    std::map<std::string, Page> pages;
};

// The tags of a page; comments and <!DOCTYPE ...> are skipped. Attribute values must be quoted.
std::vector<Tag> ParseTags(std::string_view html, Problems& problems);
Page MakePage(std::string name, std::string text);
HelpSet LoadHelpSet(const std::filesystem::path& folder);

bool IsValidUtf8(std::string_view bytes);
// Width and height from the header of a PNG file, nothing when the bytes are not a PNG.
std::optional<std::pair<int, int>> PngSize(std::string_view bytes);
std::string ReadFile(const std::filesystem::path& path);

// Only the elements the viewer renders, properly nested, entities it knows, a UTF-8 declaration,
// a title and one h1.
Problems CheckMarkup(const Page& page);
// Every href to an existing page and anchor of the same set; every img to an existing PNG of the
// images folder whose size matches the width and height given.
Problems CheckLinks(const Page& page, const HelpSet& set, const std::filesystem::path& imagesFolder);

struct Keyword {
    std::string key;
    std::string target; // "page.html" or "page.html#anchor"
    int line = 0;
};

// "keyword<TAB>target" lines; blank lines and lines starting with '#' are skipped.
std::vector<Keyword> ParseKeywords(std::string_view text, Problems& problems);
// Targets exist; no two keywords differ only by the case of ASCII letters (the viewer's key
// lookup ignores case).
Problems CheckKeywords(const std::vector<Keyword>& keywords, const HelpSet& set);

// The <file> entries of a Qt resource file, checked to sit under the prefix "/help".
std::vector<std::string> QrcFiles(std::string_view qrc, Problems& problems);

// "rules.html#table" -> {"rules.html", "table"}; "#x" -> {"", "x"}.
std::pair<std::string, std::string> SplitTarget(std::string_view target);

} // namespace vellicor::help
