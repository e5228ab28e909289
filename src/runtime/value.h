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
std::optional<std::int16_t> toI16(double v);
std::optional<std::int32_t> toI32(double v);
std::optional<float> toSingle(double v);

}  // namespace gc
