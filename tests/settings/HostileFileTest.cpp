// Settings files written by someone else: hand edits gone wrong, other programs, random bytes.
// Whatever the file holds, loading keeps every value where the arrays and divisions are safe.

#include "ProfileInvariants.h"
#include "TempFolder.h"
#include "shell/settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <chrono>
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

TEST(HostileFile, OutOfRangeValuesAreHeldToWhatIsSafe)
{
    const auto huge = Loaded("[Vellicor]\nwMaxHor=99999\nwMaxVer=2147483647\niCellWidth=99999999999\nbDynamicCell=0\n"
                             "iMBitmapHor=5000\niContinuousDelay=40000\niArrayFillHorMax=500\niMatrixWidth=2000000000\n");
    EXPECT_EQ(101, huge->automaton.wMaxHor);
    EXPECT_EQ(101, huge->automaton.wMaxVer);
    EXPECT_EQ(1000, huge->cells.iCellWidth);
    EXPECT_EQ(1000, huge->automaton.iMBitmapHor);
    EXPECT_EQ(32767, huge->automaton.iContinuousDelay);
    EXPECT_EQ(100, huge->content.iArrayFillHorMax);
    EXPECT_EQ(16384, huge->settings.iMatrixWidth);

    const auto negative = Loaded("[Vellicor]\nwMaxHor=-5\niCellWidth=0\nbDynamicCell=0\niMBitmapVer=-2147483648\n"
                                 "iContinuousDelay=-1\niArrayFillVerMax=-3\niMosaicHeight=-20\niMosaicY=-2000000000\n");
    EXPECT_EQ(1, negative->automaton.wMaxHor);
    EXPECT_EQ(1, negative->cells.iCellWidth);
    EXPECT_EQ(0, negative->automaton.iMBitmapVer);
    EXPECT_EQ(0, negative->automaton.iContinuousDelay);
    EXPECT_EQ(0, negative->content.iArrayFillVerMax);
    EXPECT_EQ(0, negative->settings.iMosaicHeight);
    EXPECT_EQ(-16384, negative->settings.iMosaicY);
    EXPECT_EQ(0, negative->content.iRandomCount[0] + negative->content.iRandomCount[1]);

    // What the program is safe with stays as the file has it.
    const auto odd = Loaded("[Vellicor]\niNumAuto[15]=99999\niNeighbours[0][0]=-2147483648\niModuloMode=77\n"
                            "iModuloDefault=0\niStep=-4\niLanguage=2\nbPlane=5\nbyRColor[0]=-300\n");
    EXPECT_EQ(99999, odd->automaton.iNumAuto[15]);
    EXPECT_EQ(INT32_MIN, odd->automaton.iNeighbours[0][0]);
    EXPECT_EQ(77, odd->automaton.iModuloMode);
    EXPECT_EQ(-4, odd->automaton.iStep);
    EXPECT_EQ(2, odd->settings.iLanguage);
    EXPECT_EQ(5, odd->settings.bPlane);
    EXPECT_EQ(0xFFFFD4u, odd->settings.crStateColor[0]);
}

TEST(HostileFile, TextJunkAndNulBytesReadAsDefaultsAndTheAutomatonStillRuns)
{
    using namespace std::string_literals;
    const auto text = Loaded("[Vellicorx]\nwMaxHor=30\n[Vellicor]\nwMaxHor=twenty\nwMaxVer=\nbDrawGrid=yes\n");
    EXPECT_EQ(14, text->automaton.wMaxHor);
    EXPECT_EQ(14, text->automaton.wMaxVer);
    EXPECT_EQ(1, text->settings.bDrawGrid);

    const auto nul = Loaded("[Vellicor]\nwMaxHor=3\0" "9\nwMax\0Ver=5\n\0[x]\niStep=4\n"s);
    EXPECT_EQ(3, nul->automaton.wMaxHor);
    EXPECT_EQ(14, nul->automaton.wMaxVer);
    EXPECT_EQ(4, nul->automaton.iStep); // a NUL byte is one more character, not the end of the file

    // Under the sanitizers, a read or write outside the arrays or a division by zero fails here.
    std::mt19937 random(7);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    for (const std::string& input : {junk, "[Vellicor]\n" + junk})
        EXPECT_EQ("", testing::CheckProfileInvariants(input));
}

TEST(HostileFile, ALargeFileWithVeryLongLinesLoadsAndSavesQuickly)
{
    testing::TempFolder folder;
    const std::string path = folder.File("VLR.INI");
    std::string big;
    for (int i = 0; i < 30000; ++i)
        big += "[Section" + std::to_string(i).append("]\nkey=value\n");
    big += "[Vellicor]\n";
    for (int i = 0; i < 30000; ++i)
        big += "unknown" + std::to_string(i).append("=1\n");
    big += "wMaxHor=" + std::string(1 << 19, '9') + "\n"; // a half-megabyte number
    big += "iStep=" + std::string(1 << 19, ' ') + "3\n";
    big += "comment" + std::string(1 << 19, 'x') + "\n";
    ASSERT_GT(big.size(), 2u << 20);
    ASSERT_TRUE(WriteFileAtomically(path, big));

    const auto start = std::chrono::steady_clock::now();
    Model model(0);
    ASSERT_EQ(LoadOutcome::Loaded, LoadSettings(model, path));
    EXPECT_EQ(101, model.automaton.wMaxHor);
    EXPECT_EQ(3, model.automaton.iStep);
    model.automaton.wMaxVer = 20;
    ASSERT_EQ(SaveOutcome::Saved, SaveSettings(model, {}, path));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, kSanitized ? 60.0 : 3.0); // about 0.3 s in release on an idle machine

    const std::string saved = testing::ReadBytes(path);
    EXPECT_EQ(0u, saved.find(big.substr(0, big.find("[Vellicor]"))));
    EXPECT_EQ(20, GetProfileInt(ProfileText(saved), "Vellicor", "wMaxVer", 0));
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
    for (int i = 0; i < count; ++i) {
        if (random() % 6 == 0)
            out += static_cast<char>(random());
        else
            out += kPieces[random() % std::size(kPieces)];
    }
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
