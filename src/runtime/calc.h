#pragma once
// Skip-on-error arithmetic.
//
// A statement of a procedure that runs in skip-on-error mode is written as an
// expression over `N` and stored with `let`. A statement fails when any step
// of it fails: division by zero, overflow, NaN from a domain error such as
// sqrt(-1), pow(-2, 0.5) or pow(0, -1). `let` stores nothing then, leaving
// the target as it was, kind included.
//
// Checking every step's result would cost more than the arithmetic. Instead
// a failed step is left to show itself: a result that is infinite or NaN
// stays so through +, -, *, sin, cos, tan, sqrt, abs and Int (inf * 0 and
// inf - inf are NaN), so `let` finds it at the end. Only steps that can turn
// such a value back into a finite one check their inputs and clear `ok`:
// a division (x / inf is 0, so 1 / (1 / 0) fails although its last step
// alone would give 0), the arctangent (of inf, pi/2) and the power
// (pow(inf, 0) is 1). The flag lives in a register next to the value: no
// global state, no floating-point environment, which the optimiser is free
// to reorder.
#include <cmath>
#include <cstdint>
#include <optional>

#include "runtime/value.h"

namespace gc {

struct N {
    double v = 0.0;
    bool ok = true;

    constexpr N() = default;
    constexpr N(double d) : v(d) {}  // NOLINT: constants read naturally in formulas
    constexpr N(double d, bool good) : v(d), ok(good) {}
    N(const Value& s) : v(s.num()) {}  // NOLINT: slots read naturally in formulas

    static N fail() { return N(0.0, false); }
};

inline N operator+(N a, N b) { return N(a.v + b.v, a.ok && b.ok); }
inline N operator-(N a, N b) { return N(a.v - b.v, a.ok && b.ok); }
inline N operator*(N a, N b) { return N(a.v * b.v, a.ok && b.ok); }
// A non-finite divisor would hide a failure (x / inf is 0); a zero divisor
// gives inf or NaN, which shows itself.
inline N operator/(N a, N b) { return N(a.v / b.v, a.ok && b.ok && std::isfinite(b.v)); }
inline N operator-(N a) { return N(-a.v, a.ok); }

inline N sin(N a) { return N(std::sin(a.v), a.ok); }
inline N cos(N a) { return N(std::cos(a.v), a.ok); }
inline N tan(N a) { return N(std::tan(a.v), a.ok); }
inline N atan(N a) { return N(std::atan(a.v), a.ok && std::isfinite(a.v)); }
inline N sqrt(N a) { return N(std::sqrt(a.v), a.ok); }  // of a negative: NaN
inline N abs(N a) { return N(std::fabs(a.v), a.ok); }
// Largest whole number not above a.
inline N intPart(N a) {
    return N(std::fabs(a.v) < 2147483647.0 ? floorSmall(a.v) : std::floor(a.v), a.ok);
}

// a ^ b: a negative base needs a whole exponent, zero needs a non-negative
// one; overflow fails through the finiteness check.
inline N pow(N a, N b) {
    bool ok = a.ok && b.ok && std::isfinite(a.v) && std::isfinite(b.v);
    if (a.v < 0.0 && std::floor(b.v) != b.v) ok = false;
    if (a.v == 0.0 && b.v < 0.0) ok = false;
    return N(std::pow(a.v, b.v), ok);
}

// a Mod b: both operands made whole (nearest, halves to even) as 32-bit
// integers; the result has the sign of a, as a whole number.
inline N mod(N a, N b) {
    if (!a.ok || !b.ok) return N::fail();
    const auto ia = toI32(a.v);
    const auto ib = toI32(b.v);
    if (!ia || !ib || *ib == 0) return N::fail();
    return N(static_cast<double>(*ia % *ib));
}

// Whether a statement with this value fails.
inline bool fails(N e) { return !e.ok || !std::isfinite(e.v); }

// Store the value of a statement in a slot with the given kind; a failed
// expression, or one that does not fit the kind, leaves the slot untouched.
inline bool let(Value& slot, N e, Kind kind) {
    if (fails(e)) return false;
    if (kind == Kind::Double) {
        slot = Value::dbl(e.v);
        return true;
    }
    if (auto v = Value::narrow(e.v, kind)) {
        slot = *v;
        return true;
    }
    return false;
}

// The same for a local double of a procedure.
inline bool let(double& local, N e) {
    if (fails(e)) return false;
    local = e.v;
    return true;
}

}  // namespace gc
