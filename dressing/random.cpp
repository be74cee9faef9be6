#include "dressing/random.h"

#include <algorithm>

namespace {

std::uint32_t generatorState = 0;

// Linear congruential step modulo 2^32 (unsigned wrap-around); yields bits 16 to 30, 0 to 32767.
int drawValue() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFFu);
}

}  // namespace

void seedRandomGenerator(std::uint32_t seed) { generatorState = seed; }

int randomBetween(int a, int b) {
    const int lo = std::max(0, std::min(a, b));
    const int hi = std::max(0, std::max(a, b));
    if (lo == hi) return lo;
    // 64-bit span: hi - lo + 1 overflows int for the bounds 0 and INT_MAX.
    const std::int64_t span = std::int64_t{hi} - lo + 1;
    return lo + static_cast<int>(drawValue() % span);
}
