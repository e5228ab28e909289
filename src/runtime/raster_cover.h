#pragma once
// Drawing lines back to front. Where lines overlap, the one drawn last is the
// one that shows; drawing them in reverse order and writing only the pixels
// that no line has reached yet gives the very same picture, and once a part
// of the surface is covered, the earlier lines there cost next to nothing.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "runtime/raster.h"

namespace gc {

struct LineWalk;

class Coverage {
public:
    static constexpr int tileShift = 4;  // coverage is also counted per 16 x 16 tile
    static constexpr int tileSize = 1 << tileShift;

    // Forgets what was covered; from now on lines are clipped to `clip`.
    void reset(const ClipRect& clip);

    // Draws the pixels of the line (the rasteriser's pixels, clipped) that no
    // line drawn since the reset has reached. Most lines miss the rows still
    // open and are turned away here, inline.
    void draw(const PixelBuffer& buf, const IntLine& line, std::uint32_t pixel) {
        if (std::max(line.y1, line.y2) < open_.top || std::min(line.y1, line.y2) > open_.bottom) return;
        drawOpen(buf, line, pixel);
    }

    // Every pixel of the clip has been drawn: earlier lines cannot show.
    bool complete() const { return coveredAbove_ >= coveredBelow_; }
    const ClipRect& clip() const { return clip_; }

    // A row at which the clip could be cut in two parts that both still have
    // pixels to cover: the top of the middle row of tiles among those not yet
    // full. -1 when fewer than two rows of tiles are open.
    int middleOpenRow() const;
    // Hands the rows from `cut` (a value middleOpenRow gave) to the bottom of
    // the clip over to `lower`, with what was covered there; this coverage
    // keeps the rows above. Lines drawn on each part from then on give what
    // drawing them on the whole would.
    void splitOff(int cut, Coverage& lower);

private:
    template <bool XMajor>
    void walk(const PixelBuffer& buf, const LineWalk& w, std::uint32_t pixel);
    void drawOpen(const PixelBuffer& buf, const IntLine& line, std::uint32_t pixel);
    void covered(int tileX, int tileY);
    void settle();

    ClipRect clip_{0, 0, -1, -1};
    int width_ = 0, height_ = 0;
    int tilesX_ = 0, tilesY_ = 0;
    std::vector<std::uint8_t> marks_;     // per pixel of the clip: reached
    std::vector<std::uint16_t> tileLeft_;  // per tile: pixels not yet reached
    // Per row of tiles, a bit for each tile not yet full (rows of up to 64
    // tiles; wider clips keep every bit set and only count).
    std::vector<std::uint64_t> openTiles_;
    std::vector<int> rowTilesLeft_;  // per row of tiles: tiles not yet full
    // Rows of tiles [0, coveredAbove_) and [coveredBelow_, tilesY_) are full:
    // lines are clipped to the rows between.
    int coveredAbove_ = 0, coveredBelow_ = 0;
    // The clip less the full rows above and below; no rows once complete.
    ClipRect open_{0, 0, -1, -1};
};

}  // namespace gc
