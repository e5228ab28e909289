#pragma once
// The pixels a line covers. Every front end draws strokes with this one
// routine, so a card is the same pixels wherever it is drawn.
//
// Rule: each endpoint is rounded to the nearest pixel, halves up
// (floor(v + 0.5)); the line then covers both end pixels and one pixel per
// step along its longer axis (x when both are equal). At step t of n the
// other coordinate is the start's plus the exact offset t * d / n rounded to
// the nearest whole number, halves away from the start. Pixels outside the
// buffer are left out; clipping never moves the pixels inside it.
#include <cstddef>
#include <cstdint>

namespace gc {

struct PixelBuffer {
    std::uint32_t* bits;
    int width;
    int height;
    std::ptrdiff_t stride;  // in pixels
};

// Endpoints further than this from the origin are not drawn at all.
inline constexpr float rasterCoordinateLimit = 1.0e6f;

void rasterLine(const PixelBuffer& buf, float x1, float y1, float x2, float y2, std::uint32_t pixel);

}  // namespace gc
