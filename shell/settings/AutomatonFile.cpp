#include "shell/settings/AutomatonFile.h"

#include "content/AtomicFile.h"
#include "content/SelectionFile.h"
#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "resources/AutomatonFileTexts.h"
#include "shell/settings/Profile.h"
#include "shell/settings/SettingsTable.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <vector>

namespace vellicor {

namespace {

constexpr std::string_view kPictureSection = "Picture";
constexpr std::string_view kCellsSection = "Cells";

struct FileFamily {
    std::string_view name;
    SettingRange range;
};

constexpr SettingRange kFlag{0, 1};
constexpr SettingRange kColour{0, 255};
constexpr FileFamily kFileFamilies[] = {
    {"wMaxHor", {1, kMaxDimension}},
    {"wMaxVer", {1, kMaxDimension}},
    {"iStep", kAnyValue},
    {"bPlane", kFlag},
    {"iModuloMode", kAnyValue},
    {"iModuloDefault", kAnyValue},
    {"bHomogeneousMode", kFlag},
    {"iNumAuto", {0, (1 << kSumCount) - 1}},
    {"byRColor", kColour},
    {"byGColor", kColour},
    {"byBColor", kColour},
    {"iNeighbours", kAnyValue},
};

const FileFamily* FileFamilyOf(const SettingKey& key)
{
    for (const FileFamily& family : kFileFamilies)
        if (family.name == key.family->name)
            return &family;
    return nullptr;
}

// The file's keys in the order VLR.INI writes them; made once, they never change.
const std::vector<SettingKey>& FileKeys()
{
    static const std::vector<SettingKey> keys = [] {
        std::vector<SettingKey> all = SaveKeys();
        std::erase_if(all, [](const SettingKey& key) { return FileFamilyOf(key) == nullptr; });
        return all;
    }();
    return keys;
}

// What the program runs on, in the file's range (see the header).
int32_t WrittenValue(const SettingKey& key, const Model& model)
{
    const std::string_view family = key.family->name;
    const uint32_t colour = model.settings.crStateColor[key.i];
    if (family == "byRColor")
        return static_cast<int32_t>(colour & 0xFFu);
    if (family == "byGColor")
        return static_cast<int32_t>((colour >> 8) & 0xFFu);
    if (family == "byBColor")
        return static_cast<int32_t>((colour >> 16) & 0xFFu);
    const SettingRange range = FileFamilyOf(key)->range;
    const int32_t value = key.Value(model);
    if (range.min == 0 && range.max == 1)
        return value != 0 ? 1 : 0;
    if (family == "iNumAuto")
        return std::clamp(value, range.min, range.max);
    return value;
}

// A whole number in decimal, optionally signed, that fits 32 bits; nothing else.
std::optional<AutomatonFileError> ParseValue(std::string_view text, const SettingKey& key, int32_t& value)
{
    AutomatonFileError error{.problem = AutomatonFileProblem::kNotANumber, .key = key.Name()};
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int64_t wide = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), wide);
    if (text.empty() || status == std::errc::invalid_argument || end != text.data() + text.size())
        return error;
    const SettingRange range = FileFamilyOf(key)->range;
    if (status == std::errc::result_out_of_range || wide < range.min || wide > range.max) {
        error.problem = AutomatonFileProblem::kOutOfRange;
        error.min = range.min;
        error.max = range.max;
        return error;
    }
    value = static_cast<int32_t>(wide);
    return std::nullopt;
}

// The body of [Cells] without the blank lines that end it: they separate it from what follows
// and are no rows of the picture.
std::string_view WithoutTrailingBlankLines(std::string_view body)
{
    const size_t lastContent = body.find_last_not_of(" \t\r\n");
    if (lastContent == std::string_view::npos)
        return {};
    const size_t lineEnd = body.find('\n', lastContent);
    return body.substr(0, lineEnd == std::string_view::npos ? body.size() : lineEnd + 1);
}

// The cells of [Cells] read into `cells` (sized by its wMaxHor / wMaxVer, empty otherwise).
std::optional<AutomatonFileError> ParseCells(const ProfileText& file, Automaton& cells)
{
    const std::optional<ProfileText::Body> body = file.SectionBody(kCellsSection);
    if (!body)
        return std::nullopt;
    Selection from;
    from.iPointX = 1;
    from.iPointY = 1;
    const LoadResult read = LoadSelection(cells, from, WithoutTrailingBlankLines(body->text));
    const auto lineOf = [&](int64_t row) { return static_cast<int>(body->firstLine + row); };
    const int64_t dataRow = read.bDataError ? read.iFirstDataErrorRow : INT64_MAX;
    const int64_t outsideRow = read.bOutsideArray ? read.iFirstOutsideRow : INT64_MAX;
    if (dataRow == INT64_MAX && outsideRow == INT64_MAX)
        return std::nullopt;
    if (dataRow <= outsideRow)
        return AutomatonFileError{.line = lineOf(dataRow), .problem = AutomatonFileProblem::kStateAbove15};
    const int64_t liveRows = std::max(0, cells.wMaxVer - 1);
    if (outsideRow >= liveRows)
        return AutomatonFileError{.line = lineOf(outsideRow), .problem = AutomatonFileProblem::kTooManyRows,
                                  .limit = liveRows};
    return AutomatonFileError{.line = lineOf(outsideRow), .problem = AutomatonFileProblem::kTooManyColumns,
                              .limit = std::max(0, cells.wMaxHor - 1)};
}

std::string PictureLine(std::string_view text)
{
    std::string line(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

void Replace(std::string& text, std::string_view name, std::string_view value)
{
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size()))
        text.replace(at, name.size(), value);
}

} // namespace

std::string AutomatonFileErrorText(const AutomatonFileError& error, int32_t iLanguage)
{
    using enum AutomatonFileProblem;
    const BilingualText* texts[] = {&kAutomatonUnreadableMessage, &kAutomatonNotAFileMessage,
                                    &kAutomatonNotANumberMessage, &kAutomatonOutOfRangeMessage,
                                    &kAutomatonStateMessage,      &kAutomatonRowsMessage,
                                    &kAutomatonColumnsMessage};
    std::string text(PickText(*texts[static_cast<int>(error.problem)], iLanguage));
    Replace(text, "{line}", std::to_string(error.line));
    Replace(text, "{key}", error.key);
    Replace(text, "{min}", std::to_string(error.min));
    Replace(text, "{max}", std::to_string(error.max));
    Replace(text, "{limit}", std::to_string(error.limit));
    return text;
}

std::optional<AutomatonFileError> ParseAutomatonFile(std::string_view text, Model& model, AutomatonPicture& picture)
{
    const ProfileText file{std::string(text)};
    if (!file.SectionBody(kSettingsSection))
        return AutomatonFileError{.problem = AutomatonFileProblem::kNotAutomaton};

    // Everything is read and checked before anything of the model changes.
    const std::vector<SettingKey>& keys = FileKeys();
    std::vector<int32_t> values(keys.size());
    for (size_t k = 0; k < keys.size(); ++k) {
        const std::string name = keys[k].Name();
        const std::optional<std::string_view> found = file.Find(kSettingsSection, name);
        values[k] = keys[k].Default(model.settings.layout);
        if (found)
            if (auto error = ParseValue(*found, keys[k], values[k])) {
                error->line = file.LineOf(kSettingsSection, name);
                return error;
            }
    }
    auto cells = std::make_unique<Automaton>();
    for (size_t k = 0; k < keys.size(); ++k) {
        if (keys[k].family->name == "wMaxHor")
            cells->wMaxHor = values[k];
        if (keys[k].family->name == "wMaxVer")
            cells->wMaxVer = values[k];
    }
    if (auto error = ParseCells(file, *cells))
        return error;

    Automaton& a = model.automaton;
    const bool resized = cells->wMaxHor != a.wMaxHor || cells->wMaxVer != a.wMaxVer;
    for (size_t k = 0; k < keys.size(); ++k)
        keys[k].Member(model) = values[k];
    DecodeRules(a);
    BuildPalette(model.settings);
    // The mode's divisor is what the file means, not values left from an earlier rule set.
    ComputeModuloValues(a);
    if (resized)
        ResetRandomCounts(model.content, a);
    a.byArray = cells->byArray;
    a.byOldArray = cells->byArray;
    a.iGeometryMode = model.settings.bPlane;
    ResetAutomaton(model);
    ApplyGeometry(a);
    CopyToOldArray(a);

    const auto line = [&](std::string_view key) { return std::string(file.Find(kPictureSection, key).value_or("")); };
    picture = {line("Title"), line("Titre"), line("Author"), line("Notes")};
    return std::nullopt;
}

std::optional<AutomatonFileError> ReadAutomatonFile(const std::string& path, Model& model, AutomatonPicture& picture)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return AutomatonFileError{.problem = AutomatonFileProblem::kUnreadable};
    return ParseAutomatonFile(bytes, model, picture);
}

std::string AutomatonFileText(const Model& model, const AutomatonPicture& picture)
{
    // One section at a time, so that a blank line can part them.
    ProfileText titles;
    titles.Set(kPictureSection, "Title", PictureLine(picture.title));
    titles.Set(kPictureSection, "Titre", PictureLine(picture.titre));
    titles.Set(kPictureSection, "Author", PictureLine(picture.author));
    titles.Set(kPictureSection, "Notes", PictureLine(picture.notes));
    ProfileText automaton;
    for (const SettingKey& key : FileKeys())
        automaton.Set(kSettingsSection, key.Name(), std::to_string(WrittenValue(key, model)));

    const Automaton& a = model.automaton;
    Selection live;
    live.iSelStartX = live.iSelStartY = 1;
    live.iSelEndX = EffectiveMaxHor(a) - 1;
    live.iSelEndY = EffectiveMaxVer(a) - 1;
    return titles.Text() + "\n" + automaton.Text() + "\n[" + std::string(kCellsSection) + "]\n" +
           SelectionFileBytes(a, live);
}

bool WriteAutomatonFile(const std::string& path, const Model& model, const AutomatonPicture& picture)
{
    return WriteFileAtomically(path, AutomatonFileText(model, picture));
}

} // namespace vellicor
