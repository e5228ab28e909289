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
