#include "runtime/number_text.h"

#include <charconv>

namespace gc {

namespace {
template <typename T>
std::string shortest(T v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}
}  // namespace

std::string numberText(double v) { return shortest(v); }
std::string numberText(float v) { return shortest(v); }

std::string numberText(const Value& v) {
    switch (v.kind()) {
    case Kind::Empty: return "0";
    case Kind::I16:
    case Kind::I32: return std::to_string(static_cast<long long>(v.num()));
    case Kind::Single: return shortest(static_cast<float>(v.num()));
    case Kind::Double: return shortest(v.num());
    }
    return "0";
}

}  // namespace gc
