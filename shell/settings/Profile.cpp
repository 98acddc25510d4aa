#include "shell/settings/Profile.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vellicor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

unsigned char Lower(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// An order for lookups only, never shown: shorter names first, so that most comparisons end
// at the lengths, then byte by byte without regard to ASCII case.
int CompareNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const char* pa = a.data();
    const char* pb = b.data();
    for (const char* end = pa + a.size(); pa != end; ++pa, ++pb) {
        if (*pa == *pb)
            continue;
        const unsigned char ca = Lower(*pa);
        const unsigned char cb = Lower(*pb);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return 0;
}

bool EqualNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

bool HasLineEnd(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

bool ProfileText::NoCaseLess::operator()(std::string_view a, std::string_view b) const
{
    return CompareNoCase(a, b) < 0;
}

ProfileText::ProfileText(std::string bytes) : bytes_(std::move(bytes)) { Parse(); }

void ProfileText::Parse()
{
    const size_t firstLineEnd = bytes_.find('\n');
    if (firstLineEnd != std::string::npos && firstLineEnd > 0 && bytes_[firstLineEnd - 1] == '\r')
        lineEnd_ = "\r\n";

    // A repeated header makes current -1, so that the lines under it are skipped.
    long current = -1;
    long openBody = -1; // the section whose body runs until the next header
    const std::string_view all(bytes_);
    size_t pos = 0;
    while (pos < all.size()) {
        const size_t newline = all.find('\n', pos);
        const bool hasLineEnd = newline != std::string_view::npos;
        const size_t next = hasLineEnd ? newline + 1 : all.size();
        size_t end = hasLineEnd ? newline : all.size();
        if (end > pos && all[end - 1] == '\r')
            --end;
        std::string_view line = all.substr(pos, end - pos);
        const size_t lineBegin = pos;
        pos = next;
        if (lineBegin == 0 && line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            line.remove_prefix(kByteOrderMark.size());

        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
            continue;
        if (trimmed.front() == '[') {
            if (openBody >= 0)
                sections_[static_cast<size_t>(openBody)].bodyEnd = lineBegin;
            std::string_view name = trimmed.substr(1);
            name = Trim(name.substr(0, name.find(']')));
            if (!sectionIndex_.emplace(std::string(name), sections_.size()).second) {
                current = openBody = -1;
                continue;
            }
            current = openBody = static_cast<long>(sections_.size());
            sections_.push_back(Section{std::string(name), {}, {}, {}, next, all.size(), next, !hasLineEnd, false});
            continue;
        }
        if (current < 0)
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty())
            continue;
        // The value's place in bytes_, trimmed as a reader sees it.
        size_t valueBegin = static_cast<size_t>(line.data() - all.data()) + equals + 1;
        size_t valueEnd = static_cast<size_t>(line.data() - all.data()) + line.size();
        while (valueBegin < valueEnd && IsBlank(all[valueBegin]))
            ++valueBegin;
        while (valueEnd > valueBegin && IsBlank(all[valueEnd - 1]))
            --valueEnd;
        Section& section = sections_[static_cast<size_t>(current)];
        section.keys.push_back(Key{key, valueBegin, valueEnd, -1});
        section.anchor = next;
        section.anchorNeedsLineEnd = !hasLineEnd;
    }

    // Sorted for lookup; the stable sort keeps file order among equal names, so unique keeps
    // the first occurrence, the one the old profile functions found.
    for (Section& section : sections_) {
        auto less = [](const Key& a, const Key& b) { return CompareNoCase(a.name, b.name) < 0; };
        auto same = [](const Key& a, const Key& b) { return EqualNoCase(a.name, b.name); };
        std::stable_sort(section.keys.begin(), section.keys.end(), less);
        section.keys.erase(std::unique(section.keys.begin(), section.keys.end(), same),
                           section.keys.end());
    }
}

const ProfileText::Section* ProfileText::FindSection(std::string_view name) const
{
    const auto it = sectionIndex_.find(Trim(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

ProfileText::Section* ProfileText::FindSection(std::string_view name)
{
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

namespace {

template <class Keys>
auto FindKey(Keys& keys, std::string_view name)
{
    auto it = std::lower_bound(keys.begin(), keys.end(), name, [](const auto& entry, std::string_view n) {
        return CompareNoCase(entry.name, n) < 0;
    });
    return (it != keys.end() && EqualNoCase(it->name, name)) ? &*it : nullptr;
}

} // namespace

std::optional<std::string_view> ProfileText::Find(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (s == nullptr)
        return std::nullopt;
    key = Trim(key);
    if (const Key* k = FindKey(s->keys, key)) {
        if (k->replacement >= 0)
            return std::string_view(replacements_[static_cast<size_t>(k->replacement)]);
        return std::string_view(bytes_).substr(k->valueBegin, k->valueEnd - k->valueBegin);
    }
    if (const auto it = s->addedIndex.find(key); it != s->addedIndex.end())
        return std::string_view(s->added[it->second].value);
    return std::nullopt;
}

bool ProfileText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    value = Trim(value);
    if (key.empty() || HasLineEnd(section) || HasLineEnd(key) || HasLineEnd(value)
        || section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos
        || key.front() == '[' || key.front() == ';' || key.front() == '#')
        return false;

    Section* s = FindSection(section);
    if (s == nullptr) {
        sectionIndex_.emplace(std::string(section), sections_.size());
        sections_.push_back(Section{std::string(section), {}, {}, {}, bytes_.size(), bytes_.size(), bytes_.size(),
                                    false, true});
        s = &sections_.back();
    }
    if (Key* k = FindKey(s->keys, key)) {
        if (k->replacement >= 0) {
            replacements_[static_cast<size_t>(k->replacement)] = std::string(value);
        } else {
            k->replacement = static_cast<int32_t>(replacements_.size());
            replacements_.emplace_back(value);
        }
        return true;
    }
    if (const auto it = s->addedIndex.find(key); it != s->addedIndex.end()) {
        s->added[it->second].value = std::string(value);
        return true;
    }
    s->addedIndex.emplace(std::string(key), s->added.size());
    s->added.push_back(AddedKey{std::string(key), std::string(value)});
    return true;
}

// What completes the last line of a file that ends without a line end: its CR, if it has one,
// only needs the LF, or a reader would see the CR as part of the value.
std::string ProfileText::LineEndAfter(size_t end) const
{
    return end > 0 && bytes_[end - 1] == '\r' ? std::string("\n") : lineEnd_;
}

std::string ProfileText::Text() const
{
    struct Edit {
        size_t begin;
        size_t end;
        int order; // a value ending where a key is added is written first
        std::string text;
    };
    std::vector<Edit> edits;
    for (const Section& s : sections_) {
        if (s.isNew)
            continue;
        for (const Key& k : s.keys)
            if (k.replacement >= 0)
                edits.push_back({k.valueBegin, k.valueEnd, 0, replacements_[static_cast<size_t>(k.replacement)]});
        if (!s.added.empty()) {
            std::string text = s.anchorNeedsLineEnd ? LineEndAfter(s.anchor) : std::string();
            for (const AddedKey& a : s.added)
                text += a.name + "=" + a.value + lineEnd_;
            edits.push_back({s.anchor, s.anchor, 1, std::move(text)});
        }
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.order < b.order;
    });

    std::string out;
    size_t extra = 0;
    for (const Edit& e : edits)
        extra += e.text.size();
    out.reserve(bytes_.size() + extra);
    size_t cursor = 0;
    for (const Edit& e : edits) {
        out.append(bytes_, cursor, e.begin - cursor);
        out += e.text;
        cursor = e.end;
    }
    out.append(bytes_, cursor, std::string::npos);

    for (const Section& s : sections_) {
        if (!s.isNew)
            continue;
        if (!out.empty() && out.back() != '\n')
            out += out.back() == '\r' ? "\n" : lineEnd_;
        out += "[" + s.name + "]" + lineEnd_;
        for (const AddedKey& a : s.added)
            out += a.name + "=" + a.value + lineEnd_;
    }
    return out;
}

int ProfileText::LineAt(size_t offset) const
{
    return 1 + static_cast<int>(std::count(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

std::optional<ProfileText::Body> ProfileText::SectionBody(std::string_view section) const
{
    const Section* s = FindSection(section);
    if (s == nullptr || s->isNew)
        return std::nullopt;
    return Body{std::string_view(bytes_).substr(s->bodyBegin, s->bodyEnd - s->bodyBegin), LineAt(s->bodyBegin)};
}

int ProfileText::LineOf(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (s == nullptr)
        return 0;
    const Key* k = FindKey(s->keys, Trim(key));
    return k != nullptr ? LineAt(k->valueBegin) : 0;
}

int32_t ParseProfileInt(std::string_view text, int32_t fallback)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr int64_t kBeyond = int64_t{std::numeric_limits<int32_t>::max()} + 2;
    int64_t magnitude = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        anyDigit = true;
        magnitude = std::min(kBeyond, magnitude * 10 + (text[i] - '0'));
    }
    if (!anyDigit)
        return fallback;
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t GetProfileInt(const ProfileText& file, std::string_view section, std::string_view key, int32_t fallback)
{
    const std::optional<std::string_view> value = file.Find(section, key);
    return value ? ParseProfileInt(*value, fallback) : fallback;
}

} // namespace vellicor
