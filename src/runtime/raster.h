#pragma once
// The pixels a line covers. Every front end draws strokes with this one
// routine, so a card is the same pixels wherever it is drawn.
//
// Rule: each endpoint is rounded to the nearest pixel, halves up
// (floor(v + 0.5)); the line then covers both end pixels and one pixel per
// step along its longer axis (x when both are equal). At step t of n the
// other coordinate is the start's plus the exact offset t * d / n rounded to
// the nearest whole number, halves away from the start. Pixels outside the
// clip rectangle are left out; clipping never moves the pixels inside it, so
// a picture can be drawn in bands that together give the same pixels.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace gc {

struct PixelBuffer {
    std::uint32_t* bits;
    int width;
    int height;
    std::ptrdiff_t stride;  // in pixels
};

// Inclusive pixel bounds.
struct ClipRect {
    int left, top, right, bottom;
};

struct IntLine {
    std::int32_t x1, y1, x2, y2;
};

// Endpoints further than this from the origin are not drawn at all. The
// limit keeps every line short enough for the 32-bit fixed point of the walk
// (see raster.cpp); a card's strokes stay within a few thousand pixels even
// at print scale.
inline constexpr double rasterCoordinateLimit = 16384.0;

namespace detail {
inline bool usable(double v) { return std::fabs(v) <= rasterCoordinateLimit; }  // false for NaN
// floor(v + 0.5) for v within the coordinate limit: truncation, less one
// where it went up.
inline std::int32_t roundHalfUp(double v) {
    const double w = v + 0.5;
    const auto t = static_cast<std::int32_t>(w);
    return t - (static_cast<double>(t) > w ? 1 : 0);
}
}  // namespace detail

// Rounds the endpoints; nullopt for coordinates that are not drawn. Inline:
// it runs for every stroke.
inline std::optional<IntLine> roundLine(double x1, double y1, double x2, double y2) {
    using detail::usable, detail::roundHalfUp;
    if (!usable(x1) || !usable(y1) || !usable(x2) || !usable(y2)) return std::nullopt;
    return IntLine{roundHalfUp(x1), roundHalfUp(y1), roundHalfUp(x2), roundHalfUp(y2)};
}

void rasterLine(const PixelBuffer& buf, const ClipRect& clip, const IntLine& line, std::uint32_t pixel);

// The whole buffer as the clip rectangle.
void rasterLine(const PixelBuffer& buf, float x1, float y1, float x2, float y2, std::uint32_t pixel);

}  // namespace gc
