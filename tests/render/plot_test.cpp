#include <gtest/gtest.h>

#include <cmath>

#include "render/pipeline.h"

namespace gc {
namespace {

// A pixel at (300, 200) with sin r = 0 and a palette whose row k holds
// (k mod 253, 2k mod 253, 3k mod 253), so every row is told apart.
struct PlotTest : ::testing::Test {
    PictureState s;
    void SetUp() override {
        for (int k = 0; k <= 601; ++k) {
            auto& row = s.pal[static_cast<std::size_t>(k)];
            row[1] = Value::dbl(k % 253);
            row[2] = Value::dbl((2 * k) % 253);
            row[3] = Value::dbl((3 * k) % 253);
        }
        s.pozic0 = Value::single(100);
        s.r = Value::dbl(0);
        s.fit = Value::dbl(0);
        s.i = Value::i16(300);
        s.j = Value::i16(200);
    }
};

TEST_F(PlotTest, ClampsAndPaletteRows) {
    const struct {
        Value barva;
        Value after;
        double m;
    } rows[] = {
        {Value(), Value::i16(1), 1},                {Value::dbl(0.5), Value::i16(1), 1},
        {Value::dbl(-1e300), Value::i16(1), 1},     {Value::dbl(1), Value::dbl(1), 1},  // not clamped: kind kept
        {Value::dbl(700), Value::i16(675), 115},    {Value::dbl(675), Value::dbl(675), 115},
        {Value::dbl(280), Value::dbl(280), 0},      {Value::dbl(560), Value::dbl(560), 0},
        {Value::dbl(279), Value::dbl(279), 279},    {Value::dbl(559), Value::dbl(559), 279},
        {Value::dbl(2.5), Value::dbl(2.5), 2},      {Value::dbl(3.5), Value::dbl(3.5), 4},  // halves to even
        {Value::dbl(279.6), Value::dbl(279.6), 0},  // made whole before Mod: 280
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.barva.num());
        s.barva = r.barva;
        const PlotLocals p = plotLocals(s);
        EXPECT_EQ(s.barva, r.after);
        EXPECT_EQ(p.m, r.m);
        EXPECT_EQ(p.k, r.m + 100);
        // sin r = 0, sin fit = 0, cos r = 1: R and G are the palette's, B twice it.
        EXPECT_EQ(p.R, s.pal[static_cast<std::size_t>(p.k)][1].num());
        EXPECT_EQ(p.B, 2 * s.pal[static_cast<std::size_t>(p.k)][3].num());
    }
}

TEST_F(PlotTest, BlackRowGivesTheVerticalDiameterTwice) {
    s.pal[101][1] = s.pal[101][2] = s.pal[101][3] = Value::dbl(0);
    s.barva = Value::dbl(1);
    const PlotLocals p = plotLocals(s);
    EXPECT_EQ(p.colour, 0u);
    const Stroke down{300, 300, 300, 100, true}, up{300, 100, 300, 300, true};
    for (const auto& [st, want] : {std::pair{p.strokes[0], down}, std::pair{p.strokes[1], up}}) {
        EXPECT_EQ(st.x1, want.x1);
        EXPECT_EQ(st.y1, want.y1);
        EXPECT_EQ(st.x2, want.x2);
        EXPECT_EQ(st.y2, want.y2);
        EXPECT_TRUE(st.drawn);
    }
}

TEST_F(PlotTest, StrokesAreChordsReflectedThroughThePixel) {
    s.barva = Value::dbl(150);
    s.r = Value::dbl(1.0);
    s.fit = Value::dbl(0.7);
    const PlotLocals p = plotLocals(s);
    const auto& [a, b] = p.strokes;
    for (const float d : {std::hypot(a.x1 - 300.f, a.y1 - 200.f), std::hypot(a.x2 - 300.f, a.y2 - 200.f)})
        EXPECT_NEAR(d, 100.0f, 1e-3f);
    EXPECT_EQ(a.x1 - 300, 300 - b.x1);
    EXPECT_EQ(a.y2 - 200, 200 - b.y2);
    EXPECT_EQ(p.SR, 100 * std::sin(p.R / 100));
    EXPECT_EQ(p.CG, 100 * std::cos(p.G / 100));
}

TEST_F(PlotTest, ChannelsAbove255ComposeAs255) {
    s.pal[101][1] = s.pal[101][2] = s.pal[101][3] = Value::dbl(252);
    s.barva = Value::dbl(1);
    s.r = Value::dbl(std::acos(0.0));  // sin r = 1: R = 504
    s.fit = Value::dbl(std::acos(0.0));
    const PlotLocals p = plotLocals(s);
    EXPECT_EQ(p.R, 504);
    EXPECT_EQ(p.colour >> 8, 0xFFFFu);  // red and green saturate
}

TEST_F(PlotTest, ARowOutsideThePaletteLeavesTheChannelsEmpty) {
    // A palette offset set far too large: reading the row fails, so R, G and
    // B stay empty (zero) and both strokes are the black vertical diameter.
    s.pozic0 = Value::single(1e9f);
    s.barva = Value::dbl(10);
    const PlotLocals p = plotLocals(s);
    EXPECT_EQ(p.k, 1e9 + 10);
    EXPECT_EQ(p.R + p.G + p.B, 0);
    EXPECT_EQ(p.colour, 0u);
    EXPECT_EQ(p.strokes[0].x1, 300);
    EXPECT_EQ(p.strokes[0].y1, 300);
    EXPECT_TRUE(p.strokes[0].drawn);
}

}  // namespace
}  // namespace gc
