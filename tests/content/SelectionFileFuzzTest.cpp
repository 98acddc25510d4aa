// The selection-file reader against many thousands of generated inputs, compared with a reading
// of the format written from its rules (lines, then fields) instead of the reader's byte-by-byte
// state machine. It runs in the sanitizer build too.

#include "content/SelectionFile.h"

#include "tests/content/ContentTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace vellicor {
namespace {

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> pieces(1); // an empty line is one empty field
    for (const char c : text)
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    return pieces;
}

// The expected arrays and flags of loading bytes at the point of s into a.
LoadResult ReferenceLoad(Automaton& a, const Selection& s, std::string_view bytes)
{
    LoadResult result{true, false, false};
    const std::vector<std::string> lines = Split(bytes, '\n');
    for (size_t r = 0; r < lines.size(); ++r) {
        const std::vector<std::string> fields = Split(lines[r], '\t');
        for (size_t k = 0; k < fields.size(); ++k) {
            std::string digits;
            std::ranges::copy_if(fields[k], std::back_inserter(digits), [](char c) { return c >= '0' && c <= '9'; });
            if (r + 1 == lines.size() && k + 1 == fields.size() && digits.empty())
                continue; // the end of the file, nothing pending
            if (digits.size() > 7 || (!digits.empty() && std::stoi(digits) > 15)) {
                result.bDataError = true;
                continue;
            }
            const int64_t x = int64_t{s.iPointX} + static_cast<int64_t>(k);
            const int64_t y = int64_t{s.iPointY} + static_cast<int64_t>(r);
            if (x < 1 || y < 1 || x >= EffectiveMaxHor(a) || y >= EffectiveMaxVer(a)) {
                result.bOutsideArray = true;
                continue;
            }
            a.byArray[x][y] = a.byOldArray[x][y] = static_cast<uint8_t>(digits.empty() ? 0 : std::stoi(digits));
        }
    }
    ApplyGeometry(a);
    return result;
}

struct InputMaker {
    std::mt19937 random;
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }

    std::string Make()
    {
        std::string s;
        switch (Pick(0, 5)) {
        case 0: // random bytes
            for (int i = Pick(0, 300); i > 0; --i)
                s += static_cast<char>(Pick(0, 255));
            return s;
        case 1:
        case 2: { // near-valid, sometimes mutated
            const int columns = Pick(1, 20);
            for (int r = Pick(0, 20); r > 0; --r) {
                for (int k = Pick(0, 3) == 0 ? Pick(0, 25) : columns; k > 0; --k)
                    s += std::to_string(Pick(0, Pick(0, 1) ? 15 : 40)) + (k > 1 ? "\t" : "");
                s += Pick(0, 9) == 0 ? "\r\n" : "\n";
            }
            if (Pick(0, 2) == 0 && !s.empty())
                s.pop_back(); // the last LF missing
            for (int edits = Pick(0, 1) * Pick(1, 8); edits > 0 && !s.empty(); --edits) {
                const auto at = static_cast<size_t>(Pick(0, static_cast<int>(s.size()) - 1));
                s[at] = "\t\n\r -+0123456789x\xff"[Pick(0, 17)];
            }
            return s;
        }
        case 3: // huge numbers
            for (int i = Pick(1, 10); i > 0; --i) {
                for (int d = Pick(1, 40); d > 0; --d)
                    s += static_cast<char>('0' + Pick(0, 9));
                s += "\t\n"[Pick(0, 1)];
            }
            return s;
        case 4: // long lines
            for (int i = Pick(100, 3000); i > 0; --i)
                s += Pick(0, 1) ? "\t" : std::to_string(Pick(0, 15));
            return s;
        default: // a mix of separators, blanks and signs
            for (int i = Pick(0, 400); i > 0; --i)
                s += "\t\n\r -+07159 "[Pick(0, 11)];
            return s;
        }
    }
};

TEST(SelectionFileFuzz, ReaderMatchesTheReferenceOnGeneratedInputs)
{
    constexpr int kInputs = 20000;
    constexpr int kSizes[] = {1, 2, 3, 14, 14, 50, 101, -5, 300};
    constexpr int kPoints[] = {0, 1, 2, 7, 13, 60, 100, 101, -1, 1 << 30, -(1 << 30)};
    InputMaker maker{std::mt19937(20240531)};
    const std::string file =
        (std::filesystem::temp_directory_path() / ("vellicor-fuzz-" + std::to_string(::getpid()))).string();
    for (int i = 0; i < kInputs; ++i) {
        const std::string bytes = maker.Make();
        Automaton want;
        want.wMaxHor = kSizes[maker.Pick(0, 8)];
        want.wMaxVer = kSizes[maker.Pick(0, 8)];
        want.iGeometryMode = maker.Pick(0, 1);
        test::FillStorage(want.byArray, 200);
        test::FillStorage(want.byOldArray, 201);
        Selection s;
        s.iPointX = kPoints[maker.Pick(0, 10)];
        s.iPointY = kPoints[maker.Pick(0, 10)];
        Automaton got = want;
        const LoadResult expected = ReferenceLoad(want, s, bytes);

        if (i % 40 == 0) // one in forty through a real file
            std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        const LoadResult result = i % 40 == 0 ? LoadSelectionFile(got, s, file) : LoadSelection(got, s, bytes);
        ASSERT_EQ(std::tuple(result.bLoaded, result.bDataError, result.bOutsideArray),
                  std::tuple(expected.bLoaded, expected.bDataError, expected.bOutsideArray))
            << "input " << i;
        for (int x = 0; x <= kMaxDimension; ++x)
            if (std::memcmp(got.byArray[x], want.byArray[x], kArrayDim) != 0 ||
                std::memcmp(got.byOldArray[x], want.byOldArray[x], kArrayDim) != 0)
                FAIL() << "input " << i << " differs in column " << x;
    }
    std::filesystem::remove(file);
}

} // namespace
} // namespace vellicor
