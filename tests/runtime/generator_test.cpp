#include <gtest/gtest.h>

#include <vector>

#include "runtime/generator.h"

namespace gc {
namespace {

std::vector<float> draws(Generator& g, int n) {
    std::vector<float> out;
    for (int k = 0; k < n; ++k) out.push_back(g.next());
    return out;
}

TEST(Generator, SameSeedSameSequenceWhateverCameBefore) {
    MersenneGenerator a, b;
    for (int k = 0; k < 1000; ++k) b.next();
    a.restart();
    a.reseed(243207);
    b.restart();
    b.reseed(243207);
    EXPECT_EQ(draws(a, 50), draws(b, 50));
}

TEST(Generator, KnownValuesPinTheAlgorithm) {
    // MT19937 with the standard's seeding: the 10000th output for the default
    // seed is 4123659995, which the standard itself fixes.
    MersenneGenerator g;
    g.reseed(5489);
    float tenThousandth = 0;
    for (int k = 0; k < 10000; ++k) tenThousandth = g.next();
    EXPECT_EQ(tenThousandth, static_cast<float>(4123659995u >> 8) * 0x1.0p-24f);
}

TEST(Generator, NumbersLieInHalfOpenUnitInterval) {
    MersenneGenerator g;
    g.reseed(1);
    for (int k = 0; k < 100000; ++k) {
        const float u = g.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
    }
}

TEST(Generator, DifferentSeedsDiffer) {
    MersenneGenerator a, b;
    a.reseed(234567);
    b.reseed(234568);
    EXPECT_NE(draws(a, 5), draws(b, 5));
}

}  // namespace
}  // namespace gc
