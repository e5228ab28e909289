#include "runtime/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "runtime/line_walk.h"

namespace gc {

namespace {

// The minor offset at step t is q(t) = floor((2 t d + n) / 2n), which never
// decreases. These give the steps where it stays within [qmin, qmax].
std::int64_t firstStepAtLeast(std::int64_t q, std::int64_t d, std::int64_t n) {
    if (q <= 0) return 0;
    if (q > d) return INT64_MAX;
    const std::int64_t num = 2 * n * q - n;  // > 0
    return (num + 2 * d - 1) / (2 * d);
}

std::int64_t lastStepAtMost(std::int64_t q, std::int64_t d, std::int64_t n) {
    if (q < 0) return -1;
    if (q >= d) return INT64_MAX;
    return (2 * n * q + n - 1) / (2 * d);
}

// q(t) is tracked in 32.32 fixed point as 1/2 + t * slope with the slope
// d / n rounded up: at step t the error is below t * 2^-32, less than the
// 1 / 2n that separates q's exact values from the next whole number as long
// as n * n < 2^31 (lines are shorter than that, see rasterCoordinateLimit),
// so every carry comes at the exact step.
std::uint64_t slopeOf(int d, int n) {
    if (d == n) return std::uint64_t{1} << 32;
    // ceil(d * 2^32 / n), below 2^32 since d < n.
    const std::uint64_t scaled = static_cast<std::uint64_t>(d) << 32;
    return (scaled + static_cast<std::uint64_t>(n) - 1) / static_cast<std::uint64_t>(n);
}

// One axis pair: major from a0 to b0 within [lo0, hi0], minor from a1 to b1
// within [lo1, hi1].
std::optional<LineWalk> clipAxes(bool xMajor, int a0, int b0, int lo0, int hi0, int a1, int b1, int lo1, int hi1) {
    const int n = std::abs(b0 - a0);
    const int dir0 = b0 >= a0 ? 1 : -1;
    const int d = std::abs(b1 - a1);
    const int dir1 = b1 >= a1 ? 1 : -1;

    // Steps inside the major bounds.
    std::int64_t t0, t1;
    if (dir0 > 0) {
        t0 = std::max<std::int64_t>(0, lo0 - a0);
        t1 = std::min<std::int64_t>(n, hi0 - a0);
    } else {
        t0 = std::max<std::int64_t>(0, a0 - hi0);
        t1 = std::min<std::int64_t>(n, a0 - lo0);
    }
    // Steps inside the minor bounds.
    const std::int64_t qmin = dir1 > 0 ? lo1 - a1 : a1 - hi1;
    const std::int64_t qmax = dir1 > 0 ? hi1 - a1 : a1 - lo1;
    if (d == 0 && (qmin > 0 || qmax < 0)) return std::nullopt;
    if (n > 0) {
        t0 = std::max(t0, firstStepAtLeast(qmin, d, n));
        t1 = std::min(t1, lastStepAtMost(qmax, d, n));
    }
    if (t0 > t1) return std::nullopt;

    const std::uint64_t slope = n > 0 ? slopeOf(d, n) : 0;
    const std::uint64_t acc = (std::uint64_t{1} << 31) + static_cast<std::uint64_t>(t0) * slope;
    const auto q0 = static_cast<int>(acc >> 32);
    return LineWalk{xMajor,
                    static_cast<int>(t1 - t0 + 1),
                    a0 + dir0 * static_cast<int>(t0),
                    a1 + dir1 * q0,
                    dir0,
                    dir1,
                    acc,
                    slope};
}

// Walks `count` pixels from p: one major step each, plus a minor step
// whenever the fraction runs over. The directions are template arguments,
// which keeps the loop to a store and three additions.
template <int MajorSign, int MinorSign>
void walk(std::uint32_t* p, int count, std::ptrdiff_t s0, std::ptrdiff_t s1, std::uint32_t frac, std::uint32_t slope,
          std::uint32_t pixel) {
    const std::ptrdiff_t major = MajorSign * s0, minor = MinorSign * s1;
    for (int t = 0; t < count; ++t) {
        *p = pixel;
        const std::uint32_t f = frac + slope;
        p += major + (f < frac ? minor : 0);
        frac = f;
    }
}

}  // namespace

std::optional<LineWalk> clipWalk(const IntLine& l, const ClipRect& c) {
    if (std::abs(l.x2 - l.x1) >= std::abs(l.y2 - l.y1))
        return clipAxes(true, l.x1, l.x2, c.left, c.right, l.y1, l.y2, c.top, c.bottom);
    return clipAxes(false, l.y1, l.y2, c.top, c.bottom, l.x1, l.x2, c.left, c.right);
}

void rasterLine(const PixelBuffer& buf, const ClipRect& c, const IntLine& l, std::uint32_t pixel) {
    const auto w = clipWalk(l, c);
    if (!w) return;
    std::uint32_t* p = buf.bits + w->y() * buf.stride + w->x();
    const std::ptrdiff_t s0 = w->xMajor ? 1 : buf.stride, s1 = w->xMajor ? buf.stride : 1;
    if (w->slope >> 32) {  // an exact diagonal
        const std::ptrdiff_t step = w->majorDir * s0 + w->minorDir * s1;
        for (int t = 0; t < w->count; ++t, p += step) *p = pixel;
        return;
    }
    const auto frac = static_cast<std::uint32_t>(w->acc), slope = static_cast<std::uint32_t>(w->slope);
    if (w->majorDir > 0)
        w->minorDir > 0 ? walk<1, 1>(p, w->count, s0, s1, frac, slope, pixel)
                        : walk<1, -1>(p, w->count, s0, s1, frac, slope, pixel);
    else
        w->minorDir > 0 ? walk<-1, 1>(p, w->count, s0, s1, frac, slope, pixel)
                        : walk<-1, -1>(p, w->count, s0, s1, frac, slope, pixel);
}

void rasterLine(const PixelBuffer& buf, float x1, float y1, float x2, float y2, std::uint32_t pixel) {
    if (const auto l = roundLine(x1, y1, x2, y2))
        rasterLine(buf, ClipRect{0, 0, buf.width - 1, buf.height - 1}, *l, pixel);
}

}  // namespace gc
