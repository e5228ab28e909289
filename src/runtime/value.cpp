#include "runtime/value.h"

#include <cfloat>
#include <cmath>

namespace gc {

const char* kindName(Kind k) {
    switch (k) {
    case Kind::Empty: return "empty";
    case Kind::I16: return "i16";
    case Kind::I32: return "i32";
    case Kind::Single: return "single";
    case Kind::Double: return "double";
    }
    return "?";
}

namespace {
// Nearest whole number with halves to even: std::nearbyint in the default
// rounding mode, which this program never changes.
template <typename Int>
std::optional<Int> toInt(double v, double lo, double hi) {
    if (!std::isfinite(v)) return std::nullopt;
    const double w = std::nearbyint(v);
    if (w < lo || w > hi) return std::nullopt;
    return static_cast<Int>(w);
}
}  // namespace

std::optional<std::int16_t> toI16(double v) { return toInt<std::int16_t>(v, -32768.0, 32767.0); }
std::optional<std::int32_t> toI32(double v) { return toInt<std::int32_t>(v, -2147483648.0, 2147483647.0); }

std::optional<float> toSingle(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) return std::nullopt;  // beyond the single range
    return f;
}

std::optional<Value> Value::narrow(double v, Kind kind) {
    switch (kind) {
    case Kind::Empty: return Value();
    case Kind::I16:
        if (auto w = toI16(v)) return Value::i16(*w);
        return std::nullopt;
    case Kind::I32:
        if (auto w = toI32(v)) return Value::i32(*w);
        return std::nullopt;
    case Kind::Single:
        if (auto f = toSingle(v)) return Value::single(*f);
        return std::nullopt;
    case Kind::Double:
        if (std::isfinite(v)) return Value::dbl(v);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace gc
