#pragma once
// An initialization file held in memory, read and edited the way the old profile functions did
// it, then written back in one piece.
//
// Format. Lines end in LF or CRLF. "[name]" opens a section; "key=value" inside a section sets a
// key; blank lines, lines starting with ';' or '#', and anything else are kept but mean nothing.
// Section and key names are compared without regard to ASCII case, and spaces and tabs around
// names and values do not count. When a name occurs twice, the first occurrence is the one
// read and written (a second section of the same name is kept in the file but never consulted).
//
// Editing keeps the file as it was: a changed key gets its new value in place (the bytes before
// and after the value stay), a new key is added after the last key of its section (or right under
// its header), so that comments and blank lines before the next section stay with it, a new
// section goes at the end of the file, and every other byte, including comments, unknown
// keys, other sections, NUL bytes and the file's line ends, is written back unchanged.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <map>
#include <vector>

namespace vellicor {

class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    // The value text of the key (trimmed), or nothing when the section or the key is absent.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Replaces the key's value, else adds the key to the section, else adds the section too.
    // Refused (false, nothing changed) for names or values that cannot stand on one line as
    // themselves: a line end anywhere, '=' or a leading '[', ';' or '#' in the key, ']' in the
    // section name, or an empty key.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file with every edit applied.
    std::string Text() const;

    // The lines under a section's header up to the next header or the end, as read (edits not
    // applied), and the number of the first of them (1-based); nothing when the section is absent.
    struct Body {
        std::string_view text;
        int firstLine;
    };
    std::optional<Body> SectionBody(std::string_view section) const;
    // The number (1-based) of the line that holds the key as read; 0 when it is not in the file.
    int LineOf(std::string_view section, std::string_view key) const;

private:
    // Names compare without regard to ASCII case; transparent, so lookups need no copy.
    struct NoCaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct Key {
        std::string_view name; // into bytes_
        size_t valueBegin;
        size_t valueEnd;
        int32_t replacement; // index into replacements_, or -1
    };
    struct AddedKey {
        std::string name;
        std::string value;
    };
    struct Section {
        std::string name; // as written in the header (or in the first Set for a new one)
        std::vector<Key> keys; // sorted without regard to case, first occurrence only
        std::vector<AddedKey> added; // in the order they were set
        std::map<std::string, size_t, NoCaseLess> addedIndex;
        size_t bodyBegin; // the lines under the header, in bytes_
        size_t bodyEnd;
        size_t anchor; // offset in bytes_ where added keys go
        bool anchorNeedsLineEnd; // the line before the anchor ends the file without a line end
        bool isNew;
    };

    void Parse();
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    std::string LineEndAfter(size_t end) const;
    int LineAt(size_t offset) const;

    std::string bytes_;
    std::vector<Section> sections_; // in file order, then new ones in order of creation
    std::map<std::string, size_t, NoCaseLess> sectionIndex_; // name -> sections_
    std::vector<std::string> replacements_;
    std::string lineEnd_ = "\n"; // the file's own, for the lines we add
};

// The integer a value text stands for, read as GetPrivateProfileIntA would: an optional sign and
// decimal digits, after leading spaces or tabs; whatever follows the digits ("12 ; note",
// "12abc") is ignored. A text with no digits at all (empty, "abc", "-") gives fallback, as if the
// key were absent, rather than a 0 the program would take for a real setting. Values beyond the
// 32-bit range saturate at INT32_MIN / INT32_MAX.
int32_t ParseProfileInt(std::string_view text, int32_t fallback);

// The key's value as an integer, or fallback when absent or not a number.
int32_t GetProfileInt(const ProfileText& file, std::string_view section, std::string_view key,
                      int32_t fallback);

} // namespace vellicor
