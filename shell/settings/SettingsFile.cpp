#include "shell/settings/SettingsFile.h"

#include "content/AtomicFile.h"
#include "engine/Neighbourhood.h"
#include "engine/Rules.h"
#include "shell/settings/SettingsTable.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vellicor {

std::string SettingsFilePath(std::string_view xdgConfigHome, std::string_view home)
{
    std::filesystem::path folder;
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
        folder = std::filesystem::path(xdgConfigHome);
    else if (!home.empty())
        folder = std::filesystem::path(home) / ".config";
    else
        return {};
    return (folder / "vellicor" / kSettingsFileName).string();
}

std::string SettingsFilePathFromEnvironment()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    return SettingsFilePath(xdg != nullptr ? xdg : "", home != nullptr ? home : "");
}

namespace {

void Run(LoadAction action, Model& model)
{
    switch (action) {
    case LoadAction::ResetNeighbours: SetDefaultNeighbours(model.automaton); break;
    case LoadAction::BuildPalette: BuildPalette(model.settings); break;
    case LoadAction::DecodeRules: DecodeRules(model.automaton); break;
    case LoadAction::ResetRandomCounts: ResetRandomCounts(model.content, model.automaton); break;
    case LoadAction::ComputeCellSize: ComputeCellSize(model.cells, model.automaton); break;
    }
}

} // namespace

void LoadSettingsFrom(Model& model, const ProfileText& file)
{
    for (const LoadStep& step : LoadOrder()) {
        if (const auto* action = std::get_if<LoadAction>(&step)) {
            Run(*action, model);
            continue;
        }
        for (const SettingKey& key : KeysOf(*FindFamily(std::get<std::string_view>(step)))) {
            const int32_t fallback = key.Default(model.settings.layout);
            key.Member(model) = key.Clamp(GetProfileInt(file, kSettingsSection, key.Name(), fallback));
        }
    }
}

LoadOutcome LoadSettings(Model& model, const std::string& path)
{
    std::error_code error;
    const bool exists = !path.empty() && std::filesystem::exists(path, error);
    std::string bytes;
    LoadOutcome outcome = error ? LoadOutcome::Unreadable : LoadOutcome::NoFile;
    if (exists) {
        const bool read = std::filesystem::is_regular_file(path, error) && ReadWholeFile(path, bytes);
        outcome = read ? LoadOutcome::Loaded : LoadOutcome::Unreadable;
        if (!read)
            bytes.clear();
    }
    LoadSettingsFrom(model, ProfileText(std::move(bytes)));
    return outcome;
}

namespace {

int32_t SavedComponent(int32_t stored, uint32_t palette, int shift)
{
    const int32_t paletteByte = static_cast<int32_t>((palette >> shift) & 0xFFu);
    return (static_cast<uint32_t>(stored) & 0xFFu) == static_cast<uint32_t>(paletteByte) ? stored : paletteByte;
}

// The value a key is written with, where it differs from the member's.
int32_t SavedValue(const SettingKey& key, const Model& model, const WindowPlacement& windows)
{
    const Settings& s = model.settings;
    const std::string_view family = key.family->name;
    if (family == "byRColor")
        return SavedComponent(key.Value(model), s.crStateColor[key.i], 0);
    if (family == "byGColor")
        return SavedComponent(key.Value(model), s.crStateColor[key.i], 8);
    if (family == "byBColor")
        return SavedComponent(key.Value(model), s.crStateColor[key.i], 16);
    const int slot = key.family->layoutSlot;
    if (slot < 0)
        return key.Value(model);

    const int32_t flags[] = {s.bMatrixWindowOn, s.bMosaicWindowOn, s.bMultiBitmapWindowOn};
    const std::optional<LayoutRect>* placed[] = {&windows.matrix, &windows.mosaic, &windows.multiBitmap};
    if (flags[slot / 4] == 0)
        return LayoutDefault(s.layout, slot);
    if (!placed[slot / 4]->has_value())
        return key.Value(model);
    const LayoutRect& r = **placed[slot / 4];
    const int32_t fields[] = {r.x, r.y, r.width, r.height};
    return fields[slot % 4];
}

} // namespace

void SaveSettingsTo(const Model& model, const WindowPlacement& windows, ProfileText& file)
{
    for (const SettingKey& key : SaveKeys())
        file.Set(kSettingsSection, key.Name(), std::to_string(SavedValue(key, model, windows)));
}

SaveOutcome SaveSettings(const Model& model, const WindowPlacement& windows, const std::string& path)
{
    if (path.empty())
        return SaveOutcome::NoPath;
    const std::filesystem::path target(path);
    std::error_code error;
    std::string bytes;
    if (std::filesystem::exists(target, error)) {
        if (!std::filesystem::is_regular_file(target, error) || !ReadWholeFile(path, bytes))
            return SaveOutcome::Unreadable;
    } else if (error) {
        return SaveOutcome::Unreadable;
    }
    ProfileText file(std::move(bytes));
    SaveSettingsTo(model, windows, file);

    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
        if (error)
            return SaveOutcome::WriteFailed;
    }
    return WriteFileAtomically(path, file.Text()) ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

} // namespace vellicor
