#include <cmath>

#include "render/pipeline.h"
#include "runtime/calc.h"

namespace gc {

PixelTrig pixelTrig(const PictureState& s) {
    return PixelTrig{std::sin(s.r.num()), std::cos(s.r.num()), std::sin(s.fit.num()), std::cos(s.fit.num())};
}

PixelTrig polarpos(PictureState& s) {
    PixelTrig t;
    let(s.fi1, N(s.fi1) + N(s.korakfi1), Kind::Double);
    let(s.fit, N(s.fi0) + N(s.fi1), Kind::Double);
    t.sinFit = std::sin(s.fit.num());
    t.cosFit = std::cos(s.fit.num());
    double cx = 0, cy = 0, xd = 0, yd = 0;
    let(cx, N(s.r0) * N(t.cosFit));
    let(cy, N(s.r0) * N(t.sinFit));
    let(xd, N(cx) - N(s.x));
    let(yd, N(cy) - N(s.y));
    let(s.r, sqrt(N(xd) * N(xd) + N(yd) * N(yd)), Kind::Double);
    t.sinR = std::sin(s.r.num());
    t.cosR = std::cos(s.r.num());
    // The arctangent of the quotient, not a four-quadrant angle; where xd is 0
    // the division fails and fi keeps the previous pixel's value.
    let(s.fi, atan(N(yd) / N(xd)), Kind::Double);
    return t;
}

PlotLocals runPosition(PictureState& s) {
    const PixelTrig t = polarpos(s);
    calcba(s, t);
    calcrgb(s, t);
    calcbarva(s, t);
    return plotLocals(s, t);
}

void runPositionPair(PictureState& a, PictureState& b, PlotLocals& pa, PlotLocals& pb) {
    const PixelTrig ta = polarpos(a), tb = polarpos(b);
    calcba(a, ta);
    calcba(b, tb);
    calcrgb(a, ta);
    calcrgb(b, tb);
    calcbarva(a, ta);
    calcbarva(b, tb);
    pa = plotLocals(a, ta);
    pb = plotLocals(b, tb);
}


}  // namespace gc
