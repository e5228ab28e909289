#include <gtest/gtest.h>

#include <cmath>

#include "generator/palette.h"
#include "scripted_generator.h"

namespace gc {
namespace {

using test::ScriptedGenerator;

int entry(const PictureState& s, int row, int column) {
    return static_cast<int>(s.pal[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].num());
}

TEST(Palette, WavesOfTheWorkedExamples) {
    // All draws 0: c1 = c2 = 10, every p = 10, every phase 0, every w = 10.
    PictureState s;
    ScriptedGenerator zeros;
    makepalette(s, zeros);
    EXPECT_EQ(zeros.drawn, 11u);
    const int rows[] = {0, 1, 5, 16, 47, 601}, expected[] = {126, 138, 186, 251, 0, 75};
    for (int k = 0; k < 6; ++k)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(entry(s, rows[k], c), expected[k]) << "row " << rows[k];

    // c1 = 15, c2 = 10, p = 15 + 10 * 0.5 = 20, w = 20 + 20 * 0.5 = 30, phase 1.5.
    const float phase = static_cast<float>(1.5 / 6.28);
    ScriptedGenerator g({0.5f, 0.0f, 0.5f, 0.5f, 0.5f, phase, phase, phase, 0.5f, 0.5f, 0.5f});
    makepalette(s, g);
    EXPECT_EQ(entry(s, 0, 1), 251);
    EXPECT_EQ(entry(s, 100, 2), 0);
    EXPECT_EQ(entry(s, 601, 3), 181);
}

TEST(Palette, EveryEntryWholeFrom0To252AndTheRestEmpty) {
    PictureState s;
    for (const float u : {0.0f, 0.37f, test::largestDraw}) {
        ScriptedGenerator g(std::vector<float>(11, u));
        makepalette(s, g);
        for (int k = 0; k <= paletteRowLast; ++k) {
            for (int c = 1; c <= 3; ++c) {
                const Value& v = s.pal[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)];
                ASSERT_EQ(v.kind(), Kind::Double);
                ASSERT_EQ(v.num(), std::floor(v.num()));
                ASSERT_GE(v.num(), 0);
                ASSERT_LE(v.num(), 252);
            }
            ASSERT_TRUE(s.pal[static_cast<std::size_t>(k)][0].empty());
        }
        for (int k = paletteRowLast + 1; k <= PictureState::palRowLast; ++k)
            for (int c = 0; c <= 3; ++c) ASSERT_TRUE(s.pal[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)].empty());
        EXPECT_EQ(s.re, s.pal[601][1]);
        EXPECT_EQ(s.gr, s.pal[601][2]);
        EXPECT_EQ(s.bl, s.pal[601][3]);
    }
}

TEST(Palette, PeriodBoundsFollowTheDraws) {
    // Largest draws: c1 = c2 = 19 and p = 19 + 19 * u < 38, so p = 37; with
    // phase 0 and w = p (last draws 0) row 0 is 126 and the wave's period
    // shows where it first returns close to 126.
    PictureState s;
    const float big = test::largestDraw;
    ScriptedGenerator g({big, big, big, 0.0f, big, 0, 0, 0, 0, 0, 0});
    makepalette(s, g);
    // red: w = 37; green: w = 19 (p2 = c1 with a draw of 0); blue: w = 37.
    EXPECT_EQ(entry(s, 37, 1), static_cast<int>(std::floor((std::sin(1.0) + 1) * 126)));
    EXPECT_EQ(entry(s, 19, 2), static_cast<int>(std::floor((std::sin(1.0) + 1) * 126)));
    EXPECT_EQ(entry(s, 37, 3), entry(s, 37, 1));
}

}  // namespace
}  // namespace gc
