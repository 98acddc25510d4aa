// libFuzzer entry: any bytes as an automaton file are refused without a change to the model, or
// open into a model whose own file opens back into the very same file.

#include "shell/settings/AutomatonFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void Fail(const char* problem)
{
    std::fprintf(stderr, "%s\n", problem);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vellicor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto start = [] {
        auto model = std::make_unique<Model>(0);
        model->automaton.byArray[3][3] = 7;
        model->automaton.iLevel = 12;
        return model;
    };
    const AutomatonPicture untouched{"title"};
    static const std::string before = AutomatonFileText(*start(), untouched); // the same for every input
    auto model = start();
    AutomatonPicture picture = untouched;
    if (const auto error = ParseAutomatonFile(text, *model, picture)) {
        const long lines = 1 + static_cast<long>(std::count(text.begin(), text.end(), '\n'));
        if (error->line < 0 || error->line > lines)
            Fail("the refusal names a line the file does not have");
        if (AutomatonFileText(*model, picture) != before || model->automaton.iLevel != 12 || !(picture == untouched))
            Fail("a refused file changed the model");
        AutomatonFileErrorText(*error, 0);
        return 0;
    }
    for (int x = 0; x < kArrayDim; ++x)
        for (int y = 0; y < kArrayDim; ++y)
            if (model->automaton.byArray[x][y] >= kStateCount)
                Fail("a cell holds a state above 15");
    const std::string saved = AutomatonFileText(*model, picture);
    auto reopened = std::make_unique<Model>(1);
    AutomatonPicture again;
    if (ParseAutomatonFile(saved, *reopened, again))
        Fail("the file the model writes is refused");
    if (AutomatonFileText(*reopened, again) != saved)
        Fail("the file the model writes opens into another model");
    return 0;
}
