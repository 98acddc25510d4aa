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
    const std::string bytes(input);
    ProfileText file(bytes);
    if (file.Text() != bytes)
        return "an unedited file did not come back byte for byte";

    // Loading anything keeps every value in its range, and the automaton can run on the result.
    // On the stack: a fresh heap block per input costs the sanitizers far more than the check.
    Model state(0);
    Model* model = &state;
    ComputeDefaultLayout(model->settings.layout, 700);
    LoadSettingsFrom(*model, file);
    for (const SettingKey& key : LoadKeys()) {
        const int32_t v = key.Value(*model);
        if (key.family->name == "iCellWidth")
            continue; // the computed size follows the Array window, not the table
        if (v < key.family->range.min || v > key.family->range.max)
            return "out of range after load: " + key.Name();
    }
    ResetAutomaton(*model);
    model->automaton.iGeometryMode = model->settings.bPlane;
    ComputeNextGeneration(model->automaton);

    // Saving into it adds or replaces our keys and changes nothing else that was readable.
    const std::string probeSection = "Other";
    const std::optional<std::string_view> otherBefore = file.Find(probeSection, "wMaxHor");
    const std::string otherValue = otherBefore ? std::string(*otherBefore) : std::string();
    SaveSettingsTo(*model, {}, file);
    const ProfileText reread(file.Text());
    for (const SettingKey& key : SaveKeys()) {
        const std::optional<std::string_view> a = file.Find(kSettingsSection, key.Name());
        const std::optional<std::string_view> b = reread.Find(kSettingsSection, key.Name());
        if (!a || !b || *a != *b)
            return "a saved key does not read back: " + key.Name();
    }
    const std::optional<std::string_view> otherAfter = reread.Find(probeSection, "wMaxHor");
    if (otherBefore.has_value() != otherAfter.has_value() || (otherAfter && *otherAfter != otherValue))
        return "a key of another section changed";
    if (reread.Text() != file.Text())
        return "a saved file did not come back byte for byte";
    return {};
}

} // namespace vellicor::testing
