#pragma once
// The part of a line inside a clip rectangle, ready to walk pixel by pixel:
// shared by the rasterisers, so every one of them lights the same pixels.
#include <cstdint>
#include <optional>

#include "runtime/raster.h"

namespace gc {

struct LineWalk {
    bool xMajor;  // x is the longer axis (also when both are equal)
    int count;    // pixels inside the clip, at least 1
    // The first pixel inside the clip, on the major and minor axes.
    int major, minor;
    int majorDir, minorDir;  // +1 or -1
    // The minor offset q(t) in 32.32 fixed point at the first pixel: the
    // minor coordinate moves one pixel each time the whole part grows.
    std::uint64_t acc;
    // Growth per step, d / n rounded up; exactly 2^32 for a diagonal.
    std::uint64_t slope;

    int x() const { return xMajor ? major : minor; }
    int y() const { return xMajor ? minor : major; }
};

// nullopt when no pixel of the line lies inside the clip.
std::optional<LineWalk> clipWalk(const IntLine& line, const ClipRect& clip);

}  // namespace gc
