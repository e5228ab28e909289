#include "runtime/raster_cover.h"

#include <algorithm>
#include <limits>
#include <type_traits>

#include "runtime/line_walk.h"

namespace gc {

void Coverage::reset(const ClipRect& clip) {
    clip_ = clip;
    width_ = std::max(0, clip.right - clip.left + 1);
    height_ = std::max(0, clip.bottom - clip.top + 1);
    tilesX_ = (width_ + tileSize - 1) >> tileShift;
    tilesY_ = (height_ + tileSize - 1) >> tileShift;
    marks_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    tileLeft_.resize(static_cast<std::size_t>(tilesX_) * static_cast<std::size_t>(tilesY_));
    for (int ty = 0; ty < tilesY_; ++ty)
        for (int tx = 0; tx < tilesX_; ++tx) {
            const int w = std::min(tileSize, width_ - (tx << tileShift));
            const int h = std::min(tileSize, height_ - (ty << tileShift));
            tileLeft_[static_cast<std::size_t>(ty * tilesX_ + tx)] = static_cast<std::uint16_t>(w * h);
        }
    rowTilesLeft_.assign(static_cast<std::size_t>(tilesY_), tilesX_);
    openTiles_.assign(static_cast<std::size_t>(tilesY_), tilesX_ >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << tilesX_) - 1);
    coveredAbove_ = 0;
    coveredBelow_ = tilesY_;
    settle();
}

void Coverage::covered(int tileX, int tileY) {
    if (--tileLeft_[static_cast<std::size_t>(tileY * tilesX_ + tileX)] != 0) return;
    if (tilesX_ <= 64) openTiles_[static_cast<std::size_t>(tileY)] &= ~(std::uint64_t{1} << tileX);
    if (--rowTilesLeft_[static_cast<std::size_t>(tileY)] != 0) return;
    settle();
}

// Moves the bounds of the open rows of tiles past the rows that are full.
void Coverage::settle() {
    while (coveredBelow_ > coveredAbove_ && rowTilesLeft_[static_cast<std::size_t>(coveredBelow_ - 1)] == 0)
        --coveredBelow_;
    while (coveredAbove_ < coveredBelow_ && rowTilesLeft_[static_cast<std::size_t>(coveredAbove_)] == 0)
        ++coveredAbove_;
    open_ = complete() ? ClipRect{clip_.left, std::numeric_limits<int>::max(), clip_.right, std::numeric_limits<int>::min()}
                       : ClipRect{clip_.left, clip_.top + (coveredAbove_ << tileShift), clip_.right,
                                  std::min(clip_.bottom, clip_.top + (coveredBelow_ << tileShift) - 1)};
}

int Coverage::middleOpenRow() const {
    if (coveredBelow_ - coveredAbove_ < 2) return -1;
    return clip_.top + (((coveredAbove_ + coveredBelow_) / 2) << tileShift);
}

void Coverage::splitOff(int cut, Coverage& lower) {
    const int keptTiles = (cut - clip_.top) >> tileShift;
    const auto from = [](const auto& v, std::size_t first, std::size_t end) {
        return std::vector<typename std::decay_t<decltype(v)>::value_type>(v.begin() + static_cast<std::ptrdiff_t>(first),
                                                                          v.begin() + static_cast<std::ptrdiff_t>(end));
    };
    const auto tx = static_cast<std::size_t>(tilesX_), kept = static_cast<std::size_t>(keptTiles),
               all = static_cast<std::size_t>(tilesY_), w = static_cast<std::size_t>(width_);
    lower.clip_ = ClipRect{clip_.left, cut, clip_.right, clip_.bottom};
    lower.width_ = width_;
    lower.height_ = clip_.bottom - cut + 1;
    lower.tilesX_ = tilesX_;
    lower.tilesY_ = tilesY_ - keptTiles;
    lower.marks_ = from(marks_, static_cast<std::size_t>(cut - clip_.top) * w, static_cast<std::size_t>(height_) * w);
    lower.tileLeft_ = from(tileLeft_, kept * tx, all * tx);
    lower.openTiles_ = from(openTiles_, kept, all);
    lower.rowTilesLeft_ = from(rowTilesLeft_, kept, all);
    lower.coveredAbove_ = std::max(0, coveredAbove_ - keptTiles);
    lower.coveredBelow_ = std::max(lower.coveredAbove_, coveredBelow_ - keptTiles);
    lower.settle();

    clip_.bottom = cut - 1;
    height_ = cut - clip_.top;
    tilesY_ = keptTiles;
    coveredBelow_ = std::min(coveredBelow_, keptTiles);
    coveredAbove_ = std::min(coveredAbove_, coveredBelow_);
    settle();
}

void Coverage::drawOpen(const PixelBuffer& buf, const IntLine& l, std::uint32_t pixel) {
    const ClipRect& c = open_;
    if (std::max(l.x1, l.x2) < c.left || std::min(l.x1, l.x2) > c.right) return;
    // Nothing to do when every tile of the line's bounding box is full.
    const int tx0 = (std::max(std::min(l.x1, l.x2), c.left) - clip_.left) >> tileShift;
    const int tx1 = (std::min(std::max(l.x1, l.x2), c.right) - clip_.left) >> tileShift;
    const int ty0 = (std::max(std::min(l.y1, l.y2), c.top) - clip_.top) >> tileShift;
    const int ty1 = (std::min(std::max(l.y1, l.y2), c.bottom) - clip_.top) >> tileShift;
    const std::uint64_t columns = tx1 - tx0 >= 63 ? ~std::uint64_t{0} : ((std::uint64_t{2} << (tx1 - tx0)) - 1) << tx0;
    std::uint64_t open = 0;
    for (int ty = ty0; ty <= ty1; ++ty) open |= openTiles_[static_cast<std::size_t>(ty)] & columns;
    if (!open) return;
    const auto w = clipWalk(l, c);
    if (!w) return;
    if (w->xMajor)
        walk<true>(buf, *w, pixel);
    else
        walk<false>(buf, *w, pixel);
}

// The line is taken in spans that stay within one column (x major) or row
// (y major) of tiles. Within a span the minor coordinate moves by less than a
// tile, so the span touches at most two tiles; when both are full, the span
// is stepped over whole.
template <bool XMajor>
void Coverage::walk(const PixelBuffer& buf, const LineWalk& w, std::uint32_t pixel) {
    // Everything the loops use is copied into locals: the marks are bytes,
    // and a store through a byte pointer could otherwise change any of it.
    const int majorDir = w.majorDir, minorDir = w.minorDir, width = width_;
    const std::uint64_t slope = w.slope;
    const int majorOrigin = XMajor ? clip_.left : clip_.top;
    const int minorOrigin = XMajor ? clip_.top : clip_.left;
    std::uint32_t* const bits = buf.bits + clip_.top * buf.stride + clip_.left;
    const std::ptrdiff_t stride = buf.stride;
    std::uint8_t* const marks = marks_.data();
    const std::uint16_t* const tileLeft = tileLeft_.data();
    const int tilesX = tilesX_;
    // Minor coordinate, relative to the clip, of the pixel at `acc`.
    const int minorBase = w.minor - minorOrigin - minorDir * static_cast<int>(w.acc >> 32);
    const auto minorAt = [=](std::uint64_t acc) { return minorBase + minorDir * static_cast<int>(acc >> 32); };
    const auto tileIndex = [=](int majorTile, int minorTile) {
        return static_cast<std::size_t>(XMajor ? minorTile * tilesX + majorTile : majorTile * tilesX + minorTile);
    };
    // Marks follow the walk: one major step, and a minor step on a carry.
    const std::ptrdiff_t markMajor = XMajor ? majorDir : majorDir * width;
    const std::ptrdiff_t markMinor = XMajor ? minorDir * width : minorDir;

    int major = w.major - majorOrigin;  // relative to the clip
    std::uint64_t acc = w.acc;
    for (int left = w.count; left > 0;) {
        const int majorTile = major >> tileShift;
        const int toEdge = majorDir > 0 ? ((majorTile + 1) << tileShift) - 1 - major : major - (majorTile << tileShift);
        const int len = std::min(left, toEdge + 1);
        const std::uint64_t last = acc + static_cast<std::uint64_t>(len - 1) * slope;
        const bool open = tileLeft[tileIndex(majorTile, minorAt(acc) >> tileShift)] != 0 ||
                          tileLeft[tileIndex(majorTile, minorAt(last) >> tileShift)] != 0;
        if (open) {
            std::uint8_t* mark = marks + (XMajor ? minorAt(acc) * width + major : major * width + minorAt(acc));
            // The coordinates are worked out only for the few pixels that are
            // reached for the first time.
            const auto reach = [&](int step) {
                *mark = 1;
                const int m = major + majorDir * step, minor = minorAt(acc + static_cast<std::uint64_t>(step) * slope);
                const int x = XMajor ? m : minor, y = XMajor ? minor : m;
                bits[y * stride + x] = pixel;
                covered(x >> tileShift, y >> tileShift);
            };
            if (slope >> 32) {  // an exact diagonal: every step is a minor step too
                for (int step = 0; step < len; ++step, mark += markMajor + markMinor)
                    if (!*mark) reach(step);
            } else {
                auto frac = static_cast<std::uint32_t>(acc);
                const auto slope32 = static_cast<std::uint32_t>(slope);
                for (int step = 0; step < len; ++step) {
                    if (!*mark) reach(step);
                    const std::uint32_t f = frac + slope32;
                    mark += f < frac ? markMajor + markMinor : markMajor;
                    frac = f;
                }
            }
        }
        acc = last + slope;
        major += majorDir * len;
        left -= len;
    }
}

}  // namespace gc
