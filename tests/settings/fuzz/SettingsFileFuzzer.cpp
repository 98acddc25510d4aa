// libFuzzer entry: any bytes as a settings file must keep the promises of ProfileInvariants.h.

#include "ProfileInvariants.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string problem =
        vellicor::testing::CheckProfileInvariants(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
