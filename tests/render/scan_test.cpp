#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/card.h"
#include "render/scan.h"

namespace gc {
namespace {

// Records what a scan does to its surface and host, in order.
struct Recorder final : Surface, Host {
    std::vector<std::string> events;
    long lines = 0;
    int width() const override { return 700; }
    int height() const override { return 525; }
    void clear(Rgb) override { events.push_back("clear"); }
    void drawLine(float, float, float, float, Rgb) override {
        if (events.empty() || events.back() != "line") events.push_back("line");
        ++lines;
    }
    void print(int, int, int, Rgb, std::string_view) override { events.push_back("print"); }
    Rgb point(int, int) const override { return 0; }
    void setPoint(int, int, Rgb) override {}
    void yieldToEvents() override { events.push_back("yield"); }
};

struct ScanTest : ::testing::Test {
    Recorder rec;
    PictureState s;
    void SetUp() override {
        // The start-up geometry, a simple palette and fixed parameters.
        setupSlots(s);
        for (int k = 0; k <= 601; ++k)
            for (int c = 1; c <= 3; ++c) s.pal[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)] = Value::dbl(k % 200);
        s.tip1 = s.tip2 = s.tip3 = Value::single(1);
        s.pozic0 = Value::single(5);
        s.fi0 = Value::dbl(0.5);
        s.r0 = Value::single(2);
        s.korakfi1 = Value::dbl(3e-05);
        s.fak1 = s.fak2 = s.fak3 = Value::single(10);
        s.fi1 = Value::i16(0);
    }
};

TEST_F(ScanTest, GeometryOfTheModelPlane) {
    EXPECT_EQ(s.dx, s.dy);
    EXPECT_EQ(s.dx.num(), 58.333333333333336);
    EXPECT_EQ(modelX(s, 0), -6.0);
    EXPECT_EQ(modelX(s, 350), 0.0);
    EXPECT_EQ(modelX(s, 700), 6.0);
    EXPECT_EQ(modelY(s, 0), 4.5);
    EXPECT_EQ(modelY(s, 525), -4.5);
    for (int row = 0; row <= 525; ++row) ASSERT_NE(modelY(s, row), 0.0) << row;
}

TEST_F(ScanTest, CompleteScanOrderCountersAndAngle) {
    long pixels = 0;
    double firstFit = 0, sum = 0;
    ASSERT_TRUE(scanpixels(s, rec, rec, {}, [&](const PictureState& p, const PlotLocals&) {
        if (pixels++ == 0) firstFit = p.fit.num();
        EXPECT_TRUE(p.r6.empty());
    }));
    EXPECT_EQ(pixels, 701L * 526L);
    EXPECT_EQ(rec.lines, 2 * pixels);
    // Cleared first, then a yield before each row's strokes.
    ASSERT_GE(rec.events.size(), 3u);
    EXPECT_EQ(rec.events[0], "clear");
    EXPECT_EQ(rec.events[1], "yield");
    EXPECT_EQ(rec.events[2], "line");
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "yield"), 526);
    EXPECT_EQ(firstFit, 0.5 + 3e-05);
    EXPECT_EQ(s.i, Value::i16(701));
    EXPECT_EQ(s.j, Value::i16(526));
    for (long k = 0; k < pixels; ++k) sum += 3e-05;  // one addition at a time
    EXPECT_EQ(s.fi1.num(), sum);
}

TEST_F(ScanTest, Variant15CarriesTheBaseValueAtColumn350) {
    s.tip1 = Value::single(15);
    double before = 0;
    int checked = 0;
    scanpixels(s, rec, rec, {}, [&](const PictureState& p, const PlotLocals&) {
        const int i = static_cast<int>(p.i.num());
        if (i == 349) before = p.ba.num();
        if (i == 350) {
            EXPECT_EQ(p.x.num(), 0.0);
            EXPECT_EQ(p.ba.num(), before);
            ++checked;
        }
    });
    EXPECT_EQ(checked, 526);
}

TEST_F(ScanTest, AGateThatSaysNoEndsTheScanBeforeTheNextRow) {
    int rows = 0;
    EXPECT_FALSE(scanpixels(s, rec, rec, [&] { return ++rows <= 3; }));
    EXPECT_EQ(rec.lines, 3L * 701 * 2);
}

}  // namespace
}  // namespace gc
