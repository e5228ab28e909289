#include "render/pipeline.h"
#include "runtime/calc.h"

namespace gc {

void polarpos(PictureState& s) {
    let(s.fi1, N(s.fi1) + N(s.korakfi1), Kind::Double);
    let(s.fit, N(s.fi0) + N(s.fi1), Kind::Double);
    double cx = 0, cy = 0, xd = 0, yd = 0;
    let(cx, N(s.r0) * cos(N(s.fit)));
    let(cy, N(s.r0) * sin(N(s.fit)));
    let(xd, N(cx) - N(s.x));
    let(yd, N(cy) - N(s.y));
    let(s.r, sqrt(N(xd) * N(xd) + N(yd) * N(yd)), Kind::Double);
    // The arctangent of the quotient, not a four-quadrant angle; where xd is 0
    // the division fails and fi keeps the previous pixel's value.
    let(s.fi, atan(N(yd) / N(xd)), Kind::Double);
}

int selectVariant(const Value& selector, int count) {
    const auto v = toI16(selector.num());
    return v && *v >= 1 && *v <= count ? *v : 1;
}

}  // namespace gc
