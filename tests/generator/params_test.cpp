#include <gtest/gtest.h>

#include "generator/params.h"
#include "runtime/clock.h"
#include "scripted_generator.h"

namespace gc {
namespace {

using test::ScriptedGenerator;

TEST(Params, SmallestAndLargestDraws) {
    const struct {
        float u;
        float tip1, tip2, tip3, pozic0, r0, fak;
    } rows[] = {
        {0.0f, 1, 1, 1, 5, 1, 10},
        {test::largestDraw, 15, 3, 4, 304, 3.9999998f, 20},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.u);
        PictureState s;
        s.fi1 = Value::dbl(11.06);
        ScriptedGenerator g(std::vector<float>(9, r.u));
        FixedClock clock("01-03-2010", "14:05:09");
        setparams(s, g, clock);
        EXPECT_EQ(g.drawn, 9u);
        EXPECT_EQ(s.tip1, Value::single(r.tip1));
        EXPECT_EQ(s.tip2, Value::single(r.tip2));
        EXPECT_EQ(s.tip3, Value::single(r.tip3));
        EXPECT_EQ(s.pozic0, Value::single(r.pozic0));
        EXPECT_EQ(s.fi0, Value::dbl(6.283 * static_cast<double>(r.u)));
        EXPECT_LT(s.fi0.num(), 6.283);
        EXPECT_EQ(s.r0, Value::single(r.r0));
        EXPECT_LT(s.r0.num(), 4.0);
        EXPECT_EQ(s.fak1, Value::single(r.fak));
        EXPECT_EQ(s.fak3, Value::single(r.fak));
        EXPECT_EQ(s.fi1, Value::i16(0));
        EXPECT_EQ(s.korakfi1, Value::dbl(3e-05));
    }
}

TEST(Params, DrawOrderIsTheTableOrder) {
    PictureState s;
    ScriptedGenerator g({0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f});
    FixedClock clock("12-31-2009", "23:59:59");
    setparams(s, g, clock);
    EXPECT_EQ(s.tip1, Value::single(2));    // Int(15 * 0.1 + 1)
    EXPECT_EQ(s.tip2, Value::single(1));    // Int(3 * 0.2 + 1)
    EXPECT_EQ(s.tip3, Value::single(2));    // Int(4 * 0.3 + 1)
    EXPECT_EQ(s.pozic0, Value::single(125));  // Int(300 * 0.4 + 5)
    EXPECT_EQ(s.fi0, Value::dbl(6.283 * 0.5));
    EXPECT_EQ(s.r0, Value::single(static_cast<float>(3.0 * static_cast<double>(0.6f) + 1.0)));
    EXPECT_EQ(s.fak1, Value::single(static_cast<float>(10.0 * static_cast<double>(0.7f) + 10.0)));
    EXPECT_EQ(s.fak2, Value::single(static_cast<float>(10.0 * static_cast<double>(0.8f) + 10.0)));
    EXPECT_EQ(s.fak3, Value::single(static_cast<float>(10.0 * static_cast<double>(0.9f) + 10.0)));
}

TEST(Params, PictureNameIsYearFirstFromTwoClockReadings) {
    const struct {
        const char *date, *time, *name;
    } rows[] = {
        {"01-03-2010", "14:05:09", "T20100103140509"},
        {"12-31-2009", "00:00:00", "T20091231000000"},  // old day's date, new day's time
        {"01-0", "1", "T0101"},                         // short texts give short pieces
    };
    for (const auto& r : rows) {
        PictureState s;
        ScriptedGenerator g;
        FixedClock clock(r.date, r.time);
        setparams(s, g, clock);
        EXPECT_EQ(s.imeslike, r.name);
    }
}

TEST(Params, SystemClockGivesFourteenDigits) {
    PictureState s;
    ScriptedGenerator g;
    SystemClock clock;
    setparams(s, g, clock);
    ASSERT_EQ(s.imeslike.size(), 15u);
    EXPECT_EQ(s.imeslike[0], 'T');
    EXPECT_EQ(s.imeslike.find_first_not_of("0123456789", 1), std::string::npos);
}

}  // namespace
}  // namespace gc
