#pragma once
// Tagged numeric values: the content of every numeric slot of the picture
// state. Arithmetic is done in double precision (see calc.h); a value is
// narrowed only when it is stored with a narrower kind.
#include <cstdint>
#include <optional>

namespace gc {

enum class Kind : std::uint8_t { Empty, I16, I32, Single, Double };

const char* kindName(Kind k);

class Value {
public:
    constexpr Value() = default;

    static constexpr Value i16(std::int16_t v) { return Value(Kind::I16, v); }
    static constexpr Value i32(std::int32_t v) { return Value(Kind::I32, v); }
    static constexpr Value single(float v) { return Value(Kind::Single, v); }
    static constexpr Value dbl(double v) { return Value(Kind::Double, v); }

    // Narrow a double to the given kind. Integers take the nearest whole
    // number, halves to even; anything out of the kind's range, or not
    // finite, is an error (nullopt) and the caller keeps its old value.
    static std::optional<Value> narrow(double v, Kind kind);

    constexpr Kind kind() const { return kind_; }
    constexpr bool empty() const { return kind_ == Kind::Empty; }
    // Empty reads as zero; every other kind is exact in a double.
    constexpr double num() const { return v_; }

    friend constexpr bool operator==(const Value&, const Value&) = default;

private:
    constexpr Value(Kind k, double v) : kind_(k), v_(v) {}
    Kind kind_ = Kind::Empty;
    double v_ = 0.0;
};

// Conversions of the runtime, shared by narrowing and by callers that need
// the whole number without storing it (selectors, Mod, colour channels).
// They sit on the per-pixel path, so they are inline.

// Nearest whole number, halves to even, for |v| < 2^51: adding and taking
// away 1.5 * 2^52 leaves no fraction bits, and the default rounding mode
// (never changed here) rounds the sum to even. Without fast-math the
// compiler keeps both steps.
inline double roundHalfEven(double v) { return (v + 0x1.8p52) - 0x1.8p52; }

// Largest whole number not above v, for |v| < 2^31 (the library's floor is a
// call on the baseline instruction set).
inline double floorSmall(double v) {
    const auto t = static_cast<double>(static_cast<std::int32_t>(v));  // toward zero
    if (t > v) return t - 1.0;
    return t == 0.0 ? v * 0.0 : t;  // keeps floor(-0) = -0
}

namespace detail {
template <typename Int>
std::optional<Int> toWhole(double v, double lo, double hi) {
    // NaN fails the comparisons too.
    if (!(v > lo - 1.0 && v < hi + 1.0)) return std::nullopt;
    const double w = roundHalfEven(v);
    if (w < lo || w > hi) return std::nullopt;
    return static_cast<Int>(w);
}
}  // namespace detail

inline std::optional<std::int16_t> toI16(double v) { return detail::toWhole<std::int16_t>(v, -32768.0, 32767.0); }
inline std::optional<std::int32_t> toI32(double v) {
    return detail::toWhole<std::int32_t>(v, -2147483648.0, 2147483647.0);
}
inline std::optional<float> toSingle(double v) {
    const float f = static_cast<float>(v);
    // Beyond the single range, and NaN, are errors.
    if (!(f - f == 0.0f)) return std::nullopt;
    return f;
}

}  // namespace gc
