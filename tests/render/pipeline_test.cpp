#include <gtest/gtest.h>

#include <cmath>

#include "render/pipeline.h"

namespace gc {
namespace {

// One pixel's inputs, chosen so that no formula fails.
struct PipelineTest : ::testing::Test {
    PictureState s;
    void SetUp() override {
        s.x = Value::dbl(1.25);
        s.y = Value::dbl(-0.75);
        s.r = Value::dbl(2.0);
        s.fi = Value::dbl(0.5);
        s.fit = Value::dbl(0.3);
        s.fak1 = Value::single(11.5f);
        s.fak2 = Value::single(12.25f);
        s.fak3 = Value::single(19.0f);
    }
};

TEST_F(PipelineTest, EveryBaseVariant) {
    // Worked out independently, with the grouping of the formula table.
    const double expected[baseVariants] = {
        4.0, 1.0, 3.637189707302727, 2.5, 1.6633070142598976, 1.3655293212738608, 0.5463024898437905,
        -5.183923057285036, 6.016054697863347, 3.2368937660449624, 5.0, 0.6371783338404604, 4.0,
        10.920633317039503, 3.705594515761919,
    };
    for (int v = 1; v <= baseVariants; ++v) {
        s.tip1 = Value::single(static_cast<float>(v));
        s.ba = Value();
        calcba(s);
        EXPECT_DOUBLE_EQ(s.ba.num(), expected[v - 1]) << "variant " << v;
        EXPECT_EQ(s.ba.kind(), Kind::Double);
    }
}

TEST_F(PipelineTest, SelectorsOutsideTheirVariantsRunVariantOne) {
    const struct {
        Value selector;
        int base, channel, index;
    } rows[] = {
        {Value::single(0), 1, 1, 1},       {Value::single(16), 1, 1, 1},     {Value::single(-3), 1, 1, 1},
        {Value::single(1e9f), 1, 1, 1},    // does not fit a 16-bit integer
        {Value(), 1, 1, 1},                {Value::single(2.5f), 2, 2, 2},  // halves to even
        {Value::single(3.5f), 4, 1, 4},    {Value::single(14.6f), 15, 1, 1}, {Value::dbl(4.4), 4, 1, 4},
        {Value::single(5), 5, 1, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.selector.num());
        EXPECT_EQ(selectVariant(r.selector, baseVariants), r.base);
        EXPECT_EQ(selectVariant(r.selector, channelVariants), r.channel);
        EXPECT_EQ(selectVariant(r.selector, indexVariants), r.index);
    }
}

TEST_F(PipelineTest, ChannelVariantsAreNeverNegative) {
    const double expected[channelVariants][3] = {
        {17.25, 18.375, 28.5},
        {16.36394614023852, 14.375779745179287, 15.44328030999201},
        {18.61394614023852, 17.750779745179287, 28.943280309992012},
    };
    s.ba = Value::dbl(-1.5);
    for (int v = 1; v <= channelVariants; ++v) {
        s.tip2 = Value::single(static_cast<float>(v));
        calcrgb(s);
        EXPECT_DOUBLE_EQ(s.re.num(), expected[v - 1][0]) << v;
        EXPECT_DOUBLE_EQ(s.gr.num(), expected[v - 1][1]) << v;
        EXPECT_DOUBLE_EQ(s.bl.num(), expected[v - 1][2]) << v;
    }
    s.ba = Value::dbl(0);
    for (int v = 1; v <= channelVariants; ++v) {
        s.tip2 = Value::single(static_cast<float>(v));
        calcrgb(s);
        EXPECT_EQ(s.re.num() + s.gr.num() + s.bl.num(), 0.0);
    }
}

TEST_F(PipelineTest, EveryColourIndexVariant) {
    const double expected[indexVariants] = {15.0, 21.365081987779774, 5.035533905932738, 2.520019898282431};
    s.re = Value::dbl(3);
    s.gr = Value::dbl(5);
    s.bl = Value::dbl(7);
    for (int v = 1; v <= indexVariants; ++v) {
        s.tip3 = Value::single(static_cast<float>(v));
        calcbarva(s);
        EXPECT_DOUBLE_EQ(s.barva.num(), expected[v - 1]) << v;
    }
    // Variant 3 does not depend on bl.
    s.tip3 = Value::single(3);
    s.bl = Value::dbl(1e6);
    calcbarva(s);
    EXPECT_DOUBLE_EQ(s.barva.num(), expected[2]);
}

TEST_F(PipelineTest, FailingStatementsCarryThePreviousValue) {
    const Value before = Value::dbl(42.5);
    const struct {
        const char* what;
        void (*arrange)(PictureState&);
        void (*run)(PictureState&);
        Value PictureState::*slot;
    } rows[] = {
        {"variant 15 at x = 0", [](PictureState& p) { p.tip1 = Value::single(15); p.x = Value::dbl(0); }, calcba,
         &PictureState::ba},
        {"variant 11 at fi = 0", [](PictureState& p) { p.tip1 = Value::single(11); p.fi = Value::dbl(0); }, calcba,
         &PictureState::ba},
        {"variant 13 at fi = 0", [](PictureState& p) { p.tip1 = Value::single(13); p.fi = Value::dbl(0); }, calcba,
         &PictureState::ba},
        {"variant 14 at fi = 0", [](PictureState& p) { p.tip1 = Value::single(14); p.fi = Value::dbl(0); }, calcba,
         &PictureState::ba},
        {"colour index 3 at r = 0", [](PictureState& p) { p.tip3 = Value::single(3); p.r = Value::dbl(0); },
         calcbarva, &PictureState::barva},
        {"colour index 3 at fit = 0: bl / fit fails although r6 is 0",
         [](PictureState& p) { p.tip3 = Value::single(3); p.fit = Value::dbl(0); }, calcbarva, &PictureState::barva},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        SetUp();
        s.re = s.gr = s.bl = Value::dbl(1);
        r.arrange(s);
        s.*(r.slot) = before;
        r.run(s);
        EXPECT_EQ(s.*(r.slot), before);
    }
    // Variant 12 with fi = 0 is no failure: it stores 0.
    s.tip1 = Value::single(12);
    s.fi = Value::dbl(0);
    calcba(s);
    EXPECT_EQ(s.ba, Value::dbl(0));
}

TEST_F(PipelineTest, AFailingChannelKeepsItsValueAndIsStillMadePositive) {
    s.tip2 = Value::single(1);
    s.ba = Value::dbl(1e308);
    s.fak1 = Value::single(0.5f);  // re = 5e307 fits
    s.re = Value::dbl(-1);
    s.gr = Value::dbl(-2);  // 1e308 * 12.25 overflows: gr keeps -2, then abs
    s.bl = Value::dbl(-3);
    calcrgb(s);
    EXPECT_EQ(s.re, Value::dbl(5e307));
    EXPECT_EQ(s.gr, Value::dbl(2));
    EXPECT_EQ(s.bl, Value::dbl(3));
}

TEST(Polarpos, FirstPixelAndTheCarriedAngle) {
    PictureState s;
    s.fi0 = Value::dbl(1.0);
    s.r0 = Value::single(2.0f);
    s.korakfi1 = Value::dbl(3e-05);
    s.fi1 = Value::i16(0);
    s.x = Value::dbl(5);
    s.y = Value::dbl(1);
    polarpos(s);
    EXPECT_EQ(s.fi1, Value::dbl(3e-05));
    EXPECT_EQ(s.fit, Value::dbl(1.0 + 3e-05));
    const double cx = 2.0 * std::cos(1.0 + 3e-05), cy = 2.0 * std::sin(1.0 + 3e-05);
    EXPECT_EQ(s.r.num(), std::sqrt((cx - 5) * (cx - 5) + (cy - 1) * (cy - 1)));
    EXPECT_EQ(s.fi.num(), std::atan((cy - 1) / (cx - 5)));

    // A pixel straight above or below the centre keeps the previous fi, and
    // gets its own r.
    const Value previousFi = s.fi;
    s.fi1 = Value::i16(0);
    s.fi0 = Value::dbl(std::acos(0.0) - 3e-05);  // centre at (r0 cos(pi/2), ...)
    s.x = Value::dbl(2.0 * std::cos(s.fi0.num() + 3e-05));
    s.y = Value::dbl(-3);
    polarpos(s);
    EXPECT_EQ(s.fi, previousFi);
    EXPECT_NEAR(s.r.num(), 5.0, 1e-12);
}

}  // namespace
}  // namespace gc
