#include "runtime/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gc {

namespace {

bool usable(float v) { return std::isfinite(v) && std::fabs(v) <= rasterCoordinateLimit; }

int roundHalfUp(float v) { return static_cast<int>(std::floor(static_cast<double>(v) + 0.5)); }

// Walks the steps t in [t0, t1] of a line whose major coordinate is
// major0 + t * majorStep and whose minor coordinate is minor0 plus the rounded
// offset; plot(major, minor) gets every step whose minor lies in [0, minorSize).
template <typename Plot>
void walk(int major0, int majorStep, int minor0, int minorDelta, int n, int t0, int t1, int minorSize, Plot plot) {
    const int sign = minorDelta < 0 ? -1 : 1;
    const long long d = std::llabs(minorDelta);
    // offset(t) = floor((2 t d + n) / 2n), kept as quotient and remainder.
    const long long twoN = 2LL * n;
    long long num = 2LL * t0 * d + n;
    long long q = num / twoN;
    long long rem = num % twoN;
    const long long stepQ = (2 * d) / twoN, stepR = (2 * d) % twoN;
    for (int t = t0; t <= t1; ++t) {
        const int minor = minor0 + sign * static_cast<int>(q);
        if (minor >= 0 && minor < minorSize) plot(major0 + t * majorStep, minor);
        q += stepQ;
        rem += stepR;
        if (rem >= twoN) {
            rem -= twoN;
            ++q;
        }
    }
}

// The steps whose major coordinate lies in [0, size).
bool clipSteps(int start, int step, int n, int size, int& t0, int& t1) {
    if (step > 0) {
        t0 = std::max(0, -start);
        t1 = std::min(n, size - 1 - start);
    } else {
        t0 = std::max(0, start - (size - 1));
        t1 = std::min(n, start);
    }
    return t0 <= t1;
}

}  // namespace

void rasterLine(const PixelBuffer& buf, float x1, float y1, float x2, float y2, std::uint32_t pixel) {
    if (!usable(x1) || !usable(y1) || !usable(x2) || !usable(y2)) return;
    const int ax = roundHalfUp(x1), ay = roundHalfUp(y1), bx = roundHalfUp(x2), by = roundHalfUp(y2);
    const int dx = bx - ax, dy = by - ay;
    const int n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0) {
        if (ax >= 0 && ax < buf.width && ay >= 0 && ay < buf.height) buf.bits[ay * buf.stride + ax] = pixel;
        return;
    }
    int t0 = 0, t1 = 0;
    if (std::abs(dx) >= std::abs(dy)) {
        const int step = dx > 0 ? 1 : -1;
        if (!clipSteps(ax, step, n, buf.width, t0, t1)) return;
        walk(ax, step, ay, dy, n, t0, t1, buf.height, [&](int x, int y) { buf.bits[y * buf.stride + x] = pixel; });
    } else {
        const int step = dy > 0 ? 1 : -1;
        if (!clipSteps(ay, step, n, buf.height, t0, t1)) return;
        walk(ay, step, ax, dx, n, t0, t1, buf.width, [&](int y, int x) { buf.bits[y * buf.stride + x] = pixel; });
    }
}

}  // namespace gc
