#pragma once
// What must hold for any bytes whatever taken as a settings file; shared by the randomized test
// and the libFuzzer target. Returns the first broken promise, or an empty text.

#include "engine/Step.h"
#include "shell/settings/Profile.h"
#include "shell/settings/SettingsFile.h"
#include "shell/settings/SettingsTable.h"

#include <string>
#include <string_view>

namespace vellicor::testing {

inline std::string CheckProfileInvariants(std::string_view input)
{
    ProfileText file{std::string(input)};
    if (file.Text() != input)
        return "an unedited file did not come back byte for byte";

    // Loading anything keeps every value in its range, and the automaton can run on the result.
    // On the stack: a fresh heap block per input costs the sanitizers far more than the check.
    Model model(0);
    ComputeDefaultLayout(model.settings.layout, 700);
    LoadSettingsFrom(model, file);
    for (const SettingKey& key : LoadKeys()) {
        const int32_t v = key.Value(model);
        // The computed cell size follows the Array window, not the table.
        if (key.family->name != "iCellWidth" && (v < key.family->range.min || v > key.family->range.max))
            return "out of range after load: " + key.Name();
    }
    ResetAutomaton(model);
    model.automaton.iGeometryMode = model.settings.bPlane;
    ComputeNextGeneration(model.automaton);

    // Saving into it adds or replaces our keys and changes nothing else that was readable.
    const auto other = [](const ProfileText& f) {
        const std::optional<std::string_view> value = f.Find("Other", "wMaxHor");
        return value ? std::optional<std::string>(*value) : std::nullopt;
    };
    const std::optional<std::string> otherBefore = other(file);
    SaveSettingsTo(model, {}, file);
    const ProfileText reread(file.Text());
    for (const SettingKey& key : SaveKeys()) {
        const auto saved = file.Find(kSettingsSection, key.Name());
        if (!saved || saved != reread.Find(kSettingsSection, key.Name()))
            return "a saved key does not read back: " + key.Name();
    }
    if (other(reread) != otherBefore)
        return "a key of another section changed";
    return reread.Text() == file.Text() ? std::string() : "a saved file did not come back byte for byte";
}

} // namespace vellicor::testing
