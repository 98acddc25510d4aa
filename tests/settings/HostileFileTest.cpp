// Settings files written by someone else: hand edits gone wrong, other programs, random bytes.
// Whatever the file holds, loading keeps every value where the arrays and divisions are safe.

#include "ProfileInvariants.h"
#include "shell/settings/SettingsFile.h"
#include "shell/settings/SettingsTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace vellicor {
namespace {

#ifdef VELLICOR_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

std::unique_ptr<Model> Loaded(const std::string& text)
{
    auto model = std::make_unique<Model>(0);
    ComputeDefaultLayout(model->settings.layout, 700);
    LoadSettingsFrom(*model, ProfileText(text));
    return model;
}

int32_t LoadedValue(const Model& model, std::string_view name)
{
    for (const SettingKey& key : LoadKeys())
        if (key.Name() == name)
            return key.Value(model);
    ADD_FAILURE() << "no key " << name;
    return 0;
}

TEST(HostileFile, ValuesAreHeldToTheSafeRangesOnlyAndTextIsNoValue)
{
    const struct {
        const char* key;
        const char* text;
        int32_t expected;
    } cases[] = {
        {"wMaxHor", "99999", 101}, {"wMaxVer", "2147483647", 101}, {"wMaxHor", "-5", 1},
        {"iCellWidth", "99999999999", 1000}, {"iCellWidth", "0", 1}, {"iMBitmapHor", "5000", 1000},
        {"iMBitmapVer", "-2147483648", 0}, {"iContinuousDelay", "40000", 32767}, {"iContinuousDelay", "-1", 0},
        {"iArrayFillHorMax", "500", 100}, {"iArrayFillVerMax", "-3", 0}, {"iMatrixWidth", "2000000000", 16384},
        {"iMosaicHeight", "-20", 0}, {"iMosaicY", "-2000000000", -16384},
        // What the program is safe with stays as the file has it; text where a number belongs is no value.
        {"iNumAuto[15]", "99999", 99999}, {"iNeighbours[0][0]", "-2147483648", INT32_MIN},
        {"iModuloMode", "77", 77}, {"iModuloDefault", "0", 0}, {"iStep", "-4", -4}, {"iLanguage", "2", 2},
        {"bPlane", "5", 5}, {"wMaxHor", "twenty", 14}, {"wMaxVer", "", 14}, {"bDrawGrid", "yes", 1},
    };
    for (const auto& c : cases) {
        const auto model = Loaded(std::string("[Vellicor]\nbDynamicCell=0\n") + c.key + "=" + c.text + "\n");
        EXPECT_EQ(c.expected, LoadedValue(*model, c.key)) << c.key << "=" << c.text;
    }
    // Only the low byte of each component makes the colour.
    EXPECT_EQ(0xFF2CD4u, Loaded("[Vellicor]\nbyRColor[0]=-300\nbyGColor[0]=300\n")->settings.crStateColor[0]);
}

// Inputs built from the pieces a settings file is made of, mixed with arbitrary bytes, so that
// most of them reach the parser's interesting paths rather than dying on the first byte.
std::string RandomProfile(std::mt19937& random)
{
    static constexpr std::string_view kPieces[] = {
        "[Vellicor]", "[vellicor]", "[Other]", "[", "]", "=", "\n", "\r\n", "\r", ";", "#", " ", "\t",
        "\xEF\xBB\xBF", "-", "+", "0", "7", "99999999999", "2147483648", "-2147483649", "wMaxHor", "wMaxVer",
        "iCellWidth", "iMBitmapHor", "iContinuousDelay", "iNumAuto[12]", "byRColor[3]", "iNeighbours[1][1]",
        "iMatrixWidth", "bDynamicCell", "iLanguage", "WMAXHOR", std::string_view("\0", 1), "\xff",
    };
    std::string out;
    const int count = static_cast<int>(random() % 120);
    for (int i = 0; i < count; ++i)
        out += random() % 6 == 0 ? std::string(1, static_cast<char>(random()))
                                 : std::string(kPieces[random() % std::size(kPieces)]);
    return out;
}

TEST(HostileFile, RandomizedInputsKeepEveryPromise)
{
    // VELLICOR_FUZZ_ITERATIONS sets the count for a longer run; the sanitizer build, some forty
    // times slower, runs fewer by default.
    int iterations = kSanitized ? 5000 : 20000;
    if (const char* env = std::getenv("VELLICOR_FUZZ_ITERATIONS"))
        iterations = std::max(1, std::atoi(env));
    std::mt19937 random(20261206);
    std::string junk(64 * 1024, '\0'); // long runs of arbitrary bytes, alone and in our section
    for (char& c : junk)
        c = static_cast<char>(random());
    EXPECT_EQ("", testing::CheckProfileInvariants(junk));
    EXPECT_EQ("", testing::CheckProfileInvariants("[Vellicor]\n" + junk));
    int failures = 0;
    for (int i = 0; i < iterations && failures < 5; ++i) {
        const std::string input = RandomProfile(random);
        const std::string problem = testing::CheckProfileInvariants(input);
        if (!problem.empty()) {
            ++failures;
            ADD_FAILURE() << problem << "\ninput: " << ::testing::PrintToString(input);
        }
    }
    std::printf("randomized settings files checked: %d\n", iterations);
}

} // namespace
} // namespace vellicor
