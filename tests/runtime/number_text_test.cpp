#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "runtime/number_text.h"

namespace gc {
namespace {

TEST(NumberText, ByKind) {
    EXPECT_EQ(numberText(Value()), "0");
    EXPECT_EQ(numberText(Value::i16(-3)), "-3");
    EXPECT_EQ(numberText(Value::i32(243207)), "243207");
    EXPECT_EQ(numberText(Value::single(0.1f)), "0.1");
    EXPECT_EQ(numberText(Value::dbl(0.1f)), "0.10000000149011612");
    EXPECT_EQ(numberText(Value::dbl(700.0 / 12)), "58.333333333333336");
    EXPECT_EQ(numberText(Value::dbl(3e-05)), "3e-05");
    EXPECT_EQ(numberText(Value::dbl(126)), "126");
}

TEST(NumberText, ReadsBackExactly) {
    const double doubles[] = {1.0 / 3, 4.062208111405373, 1e-318, -0.0, 1e300, 2.0 / 3 * 1e-5};
    for (double d : doubles) {
        const std::string s = numberText(d);
        EXPECT_EQ(std::strtod(s.c_str(), nullptr), d) << s;
        EXPECT_EQ(std::signbit(std::strtod(s.c_str(), nullptr)), std::signbit(d)) << s;
    }
    const float singles[] = {1.312615f, 11.902782f, 1.0f - 0x1.0p-24f};
    for (float f : singles) {
        const std::string s = numberText(f);
        EXPECT_EQ(std::strtof(s.c_str(), nullptr), f) << s;
    }
}

}  // namespace
}  // namespace gc
