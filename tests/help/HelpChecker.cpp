#include "HelpChecker.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vellicor::help {

namespace fs = std::filesystem;

namespace {

// What QTextBrowser renders of HTML 4, and all a help page needs. meta, br and img have no end tag.
const std::set<std::string> kElements = {"html", "head", "meta", "title", "body", "h1", "h2", "h3", "p", "br",
                                         "ul", "ol", "li", "table", "tr", "th", "td", "a", "img", "b", "i",
                                         "pre", "code"};
const std::set<std::string> kVoidElements = {"meta", "br", "img"};
const std::set<std::string> kEntities = {"amp", "lt", "gt", "quot", "nbsp", "times"};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
}

int LineAt(std::string_view text, size_t offset)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

std::string Where(const Page& page, int line)
{
    return page.name + ":" + std::to_string(line) + ": ";
}

// Reads the attributes of one tag body (what follows the name, up to '>').
void ParseAttributes(std::string_view body, Tag& tag, Problems& problems)
{
    size_t i = 0;
    while (i < body.size()) {
        if (std::isspace(static_cast<unsigned char>(body[i])) || body[i] == '/') {
            ++i;
            continue;
        }
        const size_t nameBegin = i;
        while (i < body.size() && IsNameChar(body[i]))
            ++i;
        if (i == nameBegin) {
            problems.push_back("line " + std::to_string(tag.line) + ": stray character in <" + tag.name + ">");
            return;
        }
        const std::string name = Lower(body.substr(nameBegin, i - nameBegin));
        if (i < body.size() && body[i] == '=') {
            ++i;
            if (i >= body.size() || body[i] != '"') {
                problems.push_back("line " + std::to_string(tag.line) + ": unquoted value of " + name);
                return;
            }
            const size_t close = body.find('"', i + 1);
            if (close == std::string_view::npos) {
                problems.push_back("line " + std::to_string(tag.line) + ": unterminated value of " + name);
                return;
            }
            tag.attributes[name] = std::string(body.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            tag.attributes[name] = "";
        }
    }
}

} // namespace

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Tag> ParseTags(std::string_view html, Problems& problems)
{
    std::vector<Tag> tags;
    size_t i = 0;
    while ((i = html.find('<', i)) != std::string_view::npos) {
        if (html.substr(i, 4) == "<!--") {
            const size_t end = html.find("-->", i);
            if (end == std::string_view::npos) {
                problems.push_back("line " + std::to_string(LineAt(html, i)) + ": unterminated comment");
                break;
            }
            i = end + 3;
            continue;
        }
        const size_t end = html.find('>', i);
        if (end == std::string_view::npos) {
            problems.push_back("line " + std::to_string(LineAt(html, i)) + ": unterminated tag");
            break;
        }
        std::string_view body = html.substr(i + 1, end - i - 1);
        Tag tag;
        tag.line = LineAt(html, i);
        if (!body.empty() && body.front() == '!') { // <!DOCTYPE ...>
            i = end + 1;
            continue;
        }
        if (!body.empty() && body.front() == '/') {
            tag.closing = true;
            body.remove_prefix(1);
        }
        size_t nameEnd = 0;
        while (nameEnd < body.size() && IsNameChar(body[nameEnd]))
            ++nameEnd;
        if (nameEnd == 0) {
            problems.push_back("line " + std::to_string(tag.line) + ": '<' that starts no tag (write &lt;)");
            i = i + 1;
            continue;
        }
        tag.name = Lower(body.substr(0, nameEnd));
        ParseAttributes(body.substr(nameEnd), tag, problems);
        tags.push_back(std::move(tag));
        i = end + 1;
    }
    return tags;
}

Page MakePage(std::string name, std::string text)
{
    Page page;
    page.name = std::move(name);
    page.text = std::move(text);
    page.tags = ParseTags(page.text, page.parseProblems);
    for (const Tag& tag : page.tags)
        if (tag.name == "a" && !tag.closing && tag.attributes.count("name") != 0)
            if (!page.anchors.insert(tag.attributes.at("name")).second)
                page.parseProblems.push_back("line " + std::to_string(tag.line) + ": anchor \""
                                             + tag.attributes.at("name") + "\" given twice");
    return page;
}

HelpSet LoadHelpSet(const fs::path& folder)
{
    HelpSet set;
    set.name = folder.filename().string();
    if (!fs::is_directory(folder))
        return set;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".html") {
            const std::string name = entry.path().filename().string();
            set.pages.emplace(name, MakePage(name, ReadFile(entry.path())));
        }
    return set;
}

bool IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            follow = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            follow = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            follow = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(follow) >= bytes.size())
            return false; // cut short at the end
        for (int k = 1; k <= follow; ++k) {
            const auto f = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            if ((f & 0xC0) != 0x80)
                return false;
            code = code << 6 | (f & 0x3F);
        }
        constexpr uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false; // overlong forms, beyond Unicode, surrogates
        i += static_cast<size_t>(follow) + 1;
    }
    return true;
}

std::optional<std::pair<int, int>> PngSize(std::string_view bytes)
{
    static constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || bytes.substr(0, 8) != kSignature || bytes.substr(12, 4) != "IHDR")
        return std::nullopt;
    auto be32 = [&](size_t at) {
        uint32_t v = 0;
        for (size_t k = 0; k < 4; ++k)
            v = v << 8 | static_cast<unsigned char>(bytes[at + k]);
        return static_cast<int>(v);
    };
    return std::make_pair(be32(16), be32(20));
}

Problems CheckMarkup(const Page& page)
{
    Problems problems;
    for (const std::string& p : page.parseProblems)
        problems.push_back(page.name + ": " + p);
    if (!IsValidUtf8(page.text))
        problems.push_back(page.name + ": not valid UTF-8");

    std::vector<const Tag*> open;
    bool nestingBroken = false;
    bool charset = false;
    int h1Count = 0;
    for (const Tag& tag : page.tags) {
        if (kElements.count(tag.name) == 0) {
            problems.push_back(Where(page, tag.line) + "<" + tag.name + "> is not rendered by the help viewer");
            continue;
        }
        if (tag.name == "meta" && Lower(tag.attributes.count("content") ? tag.attributes.at("content") : "")
                                          .find("charset=utf-8") != std::string::npos)
            charset = true;
        if (tag.name == "h1" && !tag.closing)
            ++h1Count;
        if (kVoidElements.count(tag.name) != 0) {
            if (tag.closing)
                problems.push_back(Where(page, tag.line) + "</" + tag.name + "> has no opening tag to close");
            continue;
        }
        if (!tag.closing) {
            if (tag.name == "a" && std::any_of(open.begin(), open.end(), [](const Tag* t) { return t->name == "a"; }))
                problems.push_back(Where(page, tag.line) + "<a> inside <a>");
            open.push_back(&tag);
        } else if (open.empty() || open.back()->name != tag.name) {
            problems.push_back(Where(page, tag.line) + "</" + tag.name + "> closes "
                               + (open.empty() ? std::string("nothing") : "<" + open.back()->name + "> of line "
                                                                          + std::to_string(open.back()->line)));
            nestingBroken = true; // one fault throws every later pair off: report the first only
            break;
        } else {
            open.pop_back();
        }
    }
    for (const Tag* tag : nestingBroken ? std::vector<const Tag*>{} : open)
        problems.push_back(Where(page, tag->line) + "<" + tag->name + "> is never closed");
    if (!charset)
        problems.push_back(page.name + ": no <meta> declaring charset=utf-8");
    if (h1Count != 1)
        problems.push_back(page.name + ": " + std::to_string(h1Count) + " <h1> headings, not one");

    const size_t titleBegin = page.text.find("<title>");
    const size_t titleEnd = page.text.find("</title>");
    if (titleBegin == std::string::npos || titleEnd == std::string::npos || titleEnd <= titleBegin + 7)
        problems.push_back(page.name + ": no title");

    // A bare '&' (a menu text with its mnemonic marker, say) shows as garbage or vanishes.
    for (size_t i = page.text.find('&'); i != std::string::npos; i = page.text.find('&', i + 1)) {
        const size_t semicolon = page.text.find(';', i);
        const std::string entity = semicolon == std::string::npos ? "" : page.text.substr(i + 1, semicolon - i - 1);
        const bool numeric = entity.size() > 1 && entity[0] == '#'
                             && std::all_of(entity.begin() + 1, entity.end(),
                                            [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
        if (!numeric && kEntities.count(entity) == 0)
            problems.push_back(Where(page, LineAt(page.text, i)) + "'&' that starts no known entity (write &amp;)");
    }
    return problems;
}

std::pair<std::string, std::string> SplitTarget(std::string_view target)
{
    const size_t hash = target.find('#');
    if (hash == std::string_view::npos)
        return {std::string(target), ""};
    return {std::string(target.substr(0, hash)), std::string(target.substr(hash + 1))};
}

Problems CheckLinks(const Page& page, const HelpSet& set, const fs::path& imagesFolder)
{
    Problems problems;
    for (const Tag& tag : page.tags) {
        if (tag.closing)
            continue;
        if (tag.name == "a" && tag.attributes.count("href") != 0) {
            const std::string& href = tag.attributes.at("href");
            if (href.find_first_of("/:\\") != std::string::npos) {
                problems.push_back(Where(page, tag.line) + "link " + href + " leaves the help set");
                continue;
            }
            auto [file, anchor] = SplitTarget(href);
            const Page* target = file.empty() ? &page : nullptr;
            if (!file.empty() && set.pages.count(file) != 0)
                target = &set.pages.at(file);
            if (target == nullptr)
                problems.push_back(Where(page, tag.line) + "link to missing page " + href);
            else if (!anchor.empty() && target->anchors.count(anchor) == 0)
                problems.push_back(Where(page, tag.line) + "link to missing anchor " + href);
            else if (file.empty() && anchor.empty())
                problems.push_back(Where(page, tag.line) + "empty link");
        } else if (tag.name == "img") {
            const std::string src = tag.attributes.count("src") ? tag.attributes.at("src") : "";
            static constexpr std::string_view kImages = "../images/";
            const std::string file = src.substr(std::min(src.size(), kImages.size()));
            if (src.rfind(kImages, 0) != 0 || file.empty() || file.find('/') != std::string::npos) {
                problems.push_back(Where(page, tag.line) + "picture " + src + " is not in ../images/");
                continue;
            }
            const auto size = PngSize(ReadFile(imagesFolder / file));
            if (!size) {
                problems.push_back(Where(page, tag.line) + "picture " + src + " is missing or not a PNG");
                continue;
            }
            const std::string width = tag.attributes.count("width") ? tag.attributes.at("width") : "";
            const std::string height = tag.attributes.count("height") ? tag.attributes.at("height") : "";
            if (width != std::to_string(size->first) || height != std::to_string(size->second))
                problems.push_back(Where(page, tag.line) + "picture " + src + " is " + std::to_string(size->first)
                                   + " x " + std::to_string(size->second) + ", the page says " + width + " x "
                                   + height);
            if (tag.attributes.count("alt") == 0 || tag.attributes.at("alt").empty())
                problems.push_back(Where(page, tag.line) + "picture " + src + " has no alt text");
        }
    }
    return problems;
}

std::vector<Keyword> ParseKeywords(std::string_view text, Problems& problems)
{
    std::vector<Keyword> keywords;
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (line.back() == '\r') {
            problems.push_back(where + "CR before the line feed");
            line.pop_back();
        }
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size()
            || line.find('\t', tab + 1) != std::string::npos) {
            problems.push_back(where + "not \"keyword<TAB>page\"");
            continue;
        }
        Keyword keyword{line.substr(0, tab), line.substr(tab + 1), number};
        if (std::isspace(static_cast<unsigned char>(keyword.key.front()))
            || std::isspace(static_cast<unsigned char>(keyword.key.back())))
            problems.push_back(where + "keyword with blanks around it");
        keywords.push_back(std::move(keyword));
    }
    if (!IsValidUtf8(text))
        problems.push_back("not valid UTF-8");
    return keywords;
}

Problems CheckKeywords(const std::vector<Keyword>& keywords, const HelpSet& set)
{
    Problems problems;
    std::map<std::string, int> seen;
    for (const Keyword& keyword : keywords) {
        const std::string where = set.name + "/keywords.txt:" + std::to_string(keyword.line) + ": ";
        auto [file, anchor] = SplitTarget(keyword.target);
        if (set.pages.count(file) == 0)
            problems.push_back(where + keyword.key + " leads to missing page " + keyword.target);
        else if (!anchor.empty() && set.pages.at(file).anchors.count(anchor) == 0)
            problems.push_back(where + keyword.key + " leads to missing anchor " + keyword.target);
        const auto [it, inserted] = seen.emplace(Lower(keyword.key), keyword.line);
        if (!inserted)
            problems.push_back(where + keyword.key + " repeats line " + std::to_string(it->second));
    }
    return problems;
}

std::vector<std::string> QrcFiles(std::string_view qrc, Problems& problems)
{
    std::vector<std::string> files;
    if (qrc.find("<qresource prefix=\"/help\">") == std::string_view::npos)
        problems.push_back("no <qresource prefix=\"/help\">");
    const size_t first = qrc.find("<qresource");
    if (first != std::string_view::npos && qrc.find("<qresource", first + 1) != std::string_view::npos)
        problems.push_back("more than one <qresource>");
    for (size_t i = qrc.find("<file>"); i != std::string_view::npos; i = qrc.find("<file>", i + 1)) {
        const size_t end = qrc.find("</file>", i);
        if (end == std::string_view::npos) {
            problems.push_back("unterminated <file>");
            break;
        }
        files.emplace_back(qrc.substr(i + 6, end - i - 6));
    }
    return files;
}

} // namespace vellicor::help
