#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

#include "runtime/calc.h"

namespace gc {
namespace {

struct Case {
    const char* text;
    std::function<N()> expr;
    bool fails;
    double expected;  // when it does not fail
};

const Case cases[] = {
    {"1 / 0", [] { return N(1) / N(0); }, true, 0},
    {"0 / 0", [] { return N(0) / N(0); }, true, 0},
    {"1 / (1 / 0): the outer step alone would give 0", [] { return N(1) / (N(1) / N(0)); }, true, 0},
    {"(1 / 0) * 0", [] { return (N(1) / N(0)) * N(0); }, true, 0},
    {"overflow 1e308 * 10", [] { return N(1e308) * N(10); }, true, 0},
    {"overflow then shrunk: (1e308 * 10) / 1e300", [] { return (N(1e308) * N(10)) / N(1e300); }, true, 0},
    {"sqrt(-1)", [] { return sqrt(N(-1)); }, true, 0},
    {"sqrt(-1) * 0", [] { return sqrt(N(-1)) * N(0); }, true, 0},
    {"(-2) ^ 0.5", [] { return pow(N(-2), N(0.5)); }, true, 0},
    {"0 ^ -1", [] { return pow(N(0), N(-1)); }, true, 0},
    {"10 ^ 400", [] { return pow(N(10), N(400)); }, true, 0},
    {"2 Mod 0", [] { return mod(N(2), N(0)); }, true, 0},
    {"3e10 Mod 7: beyond a 32-bit integer", [] { return mod(N(3e10), N(7)); }, true, 0},
    {"atan(1 / 0)", [] { return atan(N(1) / N(0)); }, true, 0},
    {"1 / (1e308 * 10)", [] { return N(1) / (N(1e308) * N(10)); }, true, 0},
    {"pow(1e308 * 10, 0)", [] { return pow(N(1e308) * N(10), N(0)); }, true, 0},
    {"pow(2, 0 / 0)", [] { return pow(N(2), N(0) / N(0)); }, true, 0},
    {"(0 / 0) * 0 - 1", [] { return (N(0) / N(0)) * N(0) - N(1); }, true, 0},
    {"Int(1 / 0)", [] { return intPart(N(1) / N(0)); }, true, 0},
    {"abs(-1 / 0)", [] { return abs(N(-1) / N(0)); }, true, 0},
    {"cos(1 / 0)", [] { return cos(N(1) / N(0)); }, true, 0},
    {"1 / 1e-320 overflows", [] { return N(1) / N(1e-320); }, true, 0},
    {"(-2) ^ 3", [] { return pow(N(-2), N(3)); }, false, -8},
    {"0 ^ 0", [] { return pow(N(0), N(0)); }, false, 1},
    {"0 ^ 2.5", [] { return pow(N(0), N(2.5)); }, false, 0},
    {"sqrt(0)", [] { return sqrt(N(0)); }, false, 0},
    {"underflow is no error: 1e-308 / 1e10", [] { return N(1e-308) / N(1e10); }, false, 1e-318},
    {"tan near pi/2 is large, not an error", [] { return tan(N(1.5707963267948966)); }, false,
     1.633123935319537e16},
    {"empty + 5", [] { return N(Value()) + N(5); }, false, 5},
    {"-7 Mod 3 keeps the dividend's sign", [] { return mod(N(-7), N(3)); }, false, -1},
    {"2.5 Mod 280: halves to even", [] { return mod(N(2.5), N(280)); }, false, 2},
    {"3.5 Mod 280", [] { return mod(N(3.5), N(280)); }, false, 4},
    {"Int(-0.5)", [] { return intPart(N(-0.5)); }, false, -1},
};

TEST(SkipOnError, TableOfExpressions) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const N r = c.expr();
        EXPECT_EQ(fails(r), c.fails);
        if (!c.fails) EXPECT_EQ(r.v, c.expected);
    }
}

TEST(SkipOnError, FailedStatementLeavesSlotAndKind) {
    Value slot = Value::i16(7);
    EXPECT_FALSE(let(slot, N(1) / N(0), Kind::Double));
    EXPECT_EQ(slot, Value::i16(7));
    EXPECT_TRUE(let(slot, N(2) * N(3), Kind::Double));
    EXPECT_EQ(slot, Value::dbl(6));

    double local = 0;  // a local starts empty: a failure leaves it at zero
    EXPECT_FALSE(let(local, sqrt(N(-4))));
    EXPECT_EQ(local, 0.0);
}

TEST(SkipOnError, NarrowingThatDoesNotFitFails) {
    Value slot = Value::single(1.5f);
    EXPECT_FALSE(let(slot, N(1e39), Kind::Single));
    EXPECT_FALSE(let(slot, N(32767.5), Kind::I16));  // rounds to 32768
    EXPECT_EQ(slot, Value::single(1.5f));
    EXPECT_TRUE(let(slot, N(32766.5), Kind::I16));   // halves to even
    EXPECT_EQ(slot, Value::i16(32766));
    EXPECT_TRUE(let(slot, N(-32768.4), Kind::I16));
    EXPECT_EQ(slot, Value::i16(-32768));
}

TEST(Value, ConversionsRoundHalvesToEven) {
    const struct {
        double in;
        int out;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {254.5, 254}, {255.5, 256}, {0.49999, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.in);
        EXPECT_EQ(toI16(r.in).value(), r.out);
        EXPECT_EQ(toI32(r.in).value(), r.out);
    }
    EXPECT_FALSE(toI32(2147483647.5).has_value());
    EXPECT_TRUE(toI32(-2147483648.0).has_value());
}

TEST(Value, SingleNarrowingRoundsToNearest) {
    const auto v = Value::narrow(0.1, Kind::Single);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->num(), static_cast<double>(0.1f));
    EXPECT_EQ(Value::narrow(FLT_MAX, Kind::Single)->num(), static_cast<double>(FLT_MAX));
    EXPECT_FALSE(Value::narrow(3.5e38, Kind::Single));
}

}  // namespace
}  // namespace gc

namespace gc {
namespace {

TEST(Value, FloorSmallIsFloor) {
    for (const double v : {-2.5, -1.0, -0.5, -0.0, 0.0, 0.25, 1.0, 1.75, 2147483646.5, -2147483647.5, -1e-300})
        EXPECT_EQ(std::signbit(floorSmall(v)), std::signbit(std::floor(v))) << v;
    for (const double v : {-2.5, -1.0, -0.5, 0.25, 1.0, 1.75, 2147483646.5, -2147483647.5, -1e-300})
        EXPECT_EQ(floorSmall(v), std::floor(v)) << v;
}

}  // namespace
}  // namespace gc
