#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "dressing/random.h"

// Values worked out from state := state * 214013 + 2531011 (mod 2^32), bits 16 to 30.
TEST(RandomGenerator, SequenceFollowsTheLinearCongruentialFormula) {
    struct Case {
        std::uint32_t seed;
        std::vector<int> values;
    };
    const Case cases[] = {
        {0, {38, 7719, 21238, 2437, 8855}},
        {1, {41, 18467, 6334, 26500, 19169}},
        {0xFFFFFFFFu, {35, 29739, 3374, 11141, 31308}},
        {123456789, {13259, 26974, 13551, 30354, 18709}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        seedRandomGenerator(c.seed);
        for (int expected : c.values) EXPECT_EQ(randomBetween(0, 32767), expected);
    }
}

TEST(RandomGenerator, BoundsInEitherOrderNegativesCountAsZero) {
    // Seed 1 draws 41 first: lo + 41 mod (hi - lo + 1).
    struct Case {
        const char* name;
        int a, b, expected;
    };
    const Case cases[] = {
        {"effect draw", 14, 1, 1 + 41 % 14},
        {"same bounds swapped", 1, 14, 1 + 41 % 14},
        {"skin draw", 33, 1, 1 + 41 % 33},
        {"negative low bound", -5, 9, 41 % 10},
        {"both negative", -7, -3, 0},
        {"widest range", INT_MAX, 0, 41},
        {"negative high end", 0, INT_MIN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seedRandomGenerator(1);
        EXPECT_EQ(randomBetween(c.a, c.b), c.expected);
    }
}

TEST(RandomGenerator, EqualBoundsDrawNothing) {
    seedRandomGenerator(1);
    EXPECT_EQ(randomBetween(7, 7), 7);
    EXPECT_EQ(randomBetween(-2, 0), 0);  // both count as 0
    EXPECT_EQ(randomBetween(0, 32767), 41);  // still the first value of the sequence
}
