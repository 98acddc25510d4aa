#pragma once
// Loading and saving the settings file VLR.INI, section "Vellicor": one "key=value" line per
// setting, decimal values written with "%d".
//
// The file lives in the user's configuration folder, $XDG_CONFIG_HOME/vellicor/ or, without
// that, ~/.config/vellicor/. Every function takes the path, so that tests use their own.

#include "shell/settings/Profile.h"
#include "shell/settings/Settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellicor {

inline constexpr std::string_view kSettingsFileName = "VLR.INI";

// $XDG_CONFIG_HOME/vellicor/VLR.INI when that variable holds an absolute path (the XDG rule:
// relative ones are ignored), else $HOME/.config/vellicor/VLR.INI; empty when neither is known.
std::string SettingsFilePath(std::string_view xdgConfigHome, std::string_view home);
std::string SettingsFilePathFromEnvironment();

// Reads every key in the load order, with the derived values computed where they fall: the
// default neighbourhood first, the palette after the colours, the rule table after the masks,
// the Random counts and the cell size after the array settings, and the rectangle keys with the
// default layout as their defaults. An absent key gives its default; each value is held to the
// key's range (SettingsTable.h).
void LoadSettingsFrom(Model& model, const ProfileText& file);

enum class LoadOutcome {
    Loaded,     // the file was read
    NoFile,     // no file (or no path): every setting has its default
    Unreadable, // a file is there but could not be read: every setting has its default
};
LoadOutcome LoadSettings(Model& model, const std::string& path);

// Where the Array, Mosaic and Multi-bitmap windows are at save time, in main-client pixels;
// empty for a window that does not exist.
struct WindowPlacement {
    std::optional<LayoutRect> matrix;
    std::optional<LayoutRect> mosaic;
    std::optional<LayoutRect> multiBitmap;
};

// Writes the 105 keys in the save order, replacing or adding each in the file's text. For each
// window: with its flag 0 the default-layout rectangle; with its flag set and the window there,
// where it is; with its flag set but no window (File/New re-read the flag of a window the user
// had closed) the rectangle the settings hold, that is what the file gave, so nothing is lost.
// The colour components follow the palette, which the Colors dialog edits: a component whose
// low byte still matches its palette entry is written as stored (a 300 stays 300), any other
// becomes the palette's byte.
void SaveSettingsTo(const Model& model, const WindowPlacement& windows, ProfileText& file);

enum class SaveOutcome {
    Saved,
    NoPath,        // no configuration folder is known
    Unreadable,    // the existing file could not be read; it is left as it was
    WriteFailed,   // the folder or the file could not be written; any old file is intact
};
// Reads the file as it is now (so hand edits since the start survive), applies the keys and
// writes it back in one atomic replacement.
[[nodiscard]] SaveOutcome SaveSettings(const Model& model, const WindowPlacement& windows, const std::string& path);

} // namespace vellicor
