#pragma once
// The pseudo-random sequence of the Windows C runtime's srand()/rand(): a 32-bit linear
// congruential generator whose bits 16..30 are the result, 0..32767. The Random fill draws from
// it so that one seed always gives one array, the same one on every platform, and without the
// hidden global state of the standard rand().

#include <cstdint>

namespace vellicor {

class LegacyRandom {
public:
    static constexpr int kMax = 32767;

    explicit LegacyRandom(uint32_t seed) : state_(seed) {}

    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }

private:
    uint32_t state_;
};

} // namespace vellicor
