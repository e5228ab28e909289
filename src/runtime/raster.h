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

// Rounds the endpoints; nullopt for coordinates that are not drawn.
std::optional<IntLine> roundLine(double x1, double y1, double x2, double y2);

void rasterLine(const PixelBuffer& buf, const ClipRect& clip, const IntLine& line, std::uint32_t pixel);

// The whole buffer as the clip rectangle.
void rasterLine(const PixelBuffer& buf, float x1, float y1, float x2, float y2, std::uint32_t pixel);

}  // namespace gc
