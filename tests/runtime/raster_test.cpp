#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "runtime/raster.h"
#include "runtime/raster_cover.h"

namespace gc {
namespace {

struct Canvas {
    int w, h;
    std::vector<std::uint32_t> px;
    Canvas(int width, int height) : w(width), h(height), px(static_cast<std::size_t>(width * height), 0) {}
    PixelBuffer buf() { return PixelBuffer{px.data(), w, h, w}; }
    std::set<std::pair<int, int>> lit() const {
        std::set<std::pair<int, int>> out;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (px[static_cast<std::size_t>(y * w + x)]) out.insert({x, y});
        return out;
    }
};

TEST(Raster, VerticalDiameterCoversBothEnds) {
    Canvas c(300, 300);
    rasterLine(c.buf(), 150, 200, 150, 0, 1);
    const auto lit = c.lit();
    EXPECT_EQ(lit.size(), 201u);
    EXPECT_TRUE(lit.count({150, 0}) && lit.count({150, 200}));
}

TEST(Raster, OnePixelPerStepAlongTheLongerAxis) {
    const struct {
        float x1, y1, x2, y2;
        std::size_t pixels;
    } rows[] = {
        {10, 10, 60, 30, 51}, {60, 30, 10, 10, 51}, {10, 10, 30, 90, 81}, {5, 5, 5, 5, 1}, {0, 0, 40, 40, 41},
        {10.4f, 10.6f, 20.5f, 10.4f, 12},  // (10, 11) to (21, 10): 10.6 rounds to 11, 20.5 to 21
    };
    for (const auto& r : rows) {
        Canvas c(100, 100);
        rasterLine(c.buf(), r.x1, r.y1, r.x2, r.y2, 1);
        EXPECT_EQ(c.lit().size(), r.pixels) << r.x1 << ',' << r.y1 << " -> " << r.x2 << ',' << r.y2;
    }
}

TEST(Raster, ClippingNeverMovesThePixelsInside) {
    // The same lines drawn on a large canvas and on a window of it, offset,
    // light the same pixels inside the window.
    const int ox = 100, oy = 80, w = 120, h = 90;
    const float lines[][4] = {{50, 60, 300, 140}, {170, -40, 130, 400}, {-500, 120, 900, 131},
                              {160, 100, 160.4f, 100.6f}, {219.5f, 169.5f, 99.5f, 79.5f}, {0, 0, 400, 300}};
    for (const auto& l : lines) {
        Canvas big(400, 300), small(w, h);
        rasterLine(big.buf(), l[0], l[1], l[2], l[3], 1);
        rasterLine(small.buf(), l[0] - ox, l[1] - oy, l[2] - ox, l[3] - oy, 1);
        std::set<std::pair<int, int>> expected;
        for (auto [x, y] : big.lit())
            if (x >= ox && x < ox + w && y >= oy && y < oy + h) expected.insert({x - ox, y - oy});
        EXPECT_EQ(small.lit(), expected) << l[0] << ',' << l[1] << " -> " << l[2] << ',' << l[3];
    }
}

TEST(Raster, UnusableCoordinatesDrawNothing) {
    Canvas c(10, 10);
    rasterLine(c.buf(), 0, 0, 2e6f, 5, 1);
    rasterLine(c.buf(), 0, 0, std::numeric_limits<float>::quiet_NaN(), 5, 1);
    rasterLine(c.buf(), -50, -50, -20, -5, 1);
    EXPECT_TRUE(c.lit().empty());
}

}  // namespace
}  // namespace gc

namespace gc {
namespace {

// The rule written out plainly, one pixel at a time, against the clip.
std::set<std::pair<int, int>> reference(const IntLine& l, const ClipRect& c) {
    std::set<std::pair<int, int>> out;
    const long long dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const long long n = std::max(std::llabs(dx), std::llabs(dy));
    const auto offset = [n](long long t, long long d) {
        const long long q = (2 * t * std::llabs(d) + n) / (2 * n);
        return d < 0 ? -q : q;
    };
    for (long long t = 0; t <= n; ++t) {
        long long x, y;
        if (n == 0) {
            x = l.x1, y = l.y1;
        } else if (std::llabs(dx) >= std::llabs(dy)) {
            x = l.x1 + (dx > 0 ? t : -t), y = l.y1 + offset(t, dy);
        } else {
            y = l.y1 + (dy > 0 ? t : -t), x = l.x1 + offset(t, dx);
        }
        if (x >= c.left && x <= c.right && y >= c.top && y <= c.bottom) out.insert({static_cast<int>(x), static_cast<int>(y)});
    }
    return out;
}

TEST(Raster, MatchesThePlainRuleForManyLinesAndClips) {
    std::uint32_t state = 12345;
    const auto next = [&state](int lo, int hi) {
        state = state * 1664525u + 1013904223u;
        return lo + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
    };
    for (int k = 0; k < 20000; ++k) {
        const IntLine l{next(-250, 450), next(-250, 450), next(-250, 450), next(-250, 450)};
        const int left = next(0, 150), top = next(0, 150);
        const ClipRect c{left, top, left + next(0, 49), top + next(0, 49)};
        Canvas canvas(200, 200);
        rasterLine(canvas.buf(), c, l, 1);
        ASSERT_EQ(canvas.lit(), reference(l, c)) << l.x1 << ',' << l.y1 << " -> " << l.x2 << ',' << l.y2;
    }
}

}  // namespace
}  // namespace gc

namespace gc {
namespace {

// Lines drawn back to front under a coverage give exactly the picture of
// drawing them front to back, on whatever the buffer held before: long and
// short lines, diagonals, points, lines leaving the clip, and enough of them
// that whole tiles fill up and get stepped over.
TEST(Coverage, BackToFrontIsFrontToBack) {
    std::uint32_t state = 777;
    const auto next = [&state](int lo, int hi) {
        state = state * 1664525u + 1013904223u;
        return lo + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
    };
    int splits = 0;
    for (int round = 0; round < 80; ++round) {
        const int w = next(1, 90), h = next(1, 90);
        const ClipRect clip{next(0, 20), next(0, 20), next(0, 20) + w - 1, next(0, 20) + h - 1};
        std::vector<IntLine> lines;
        const int count = next(1, 3000);
        for (int k = 0; k < count; ++k) {
            const int x = next(-40, 150), y = next(-40, 150);
            switch (next(0, 3)) {
                case 0: lines.push_back({x, y, next(-40, 150), next(-40, 150)}); break;
                case 1: { const int s = next(-60, 60); lines.push_back({x, y, x + s, y + (next(0, 1) ? s : -s)}); break; }
                case 2: lines.push_back({x, y, x, y}); break;
                default: lines.push_back({x, y, x + next(-3, 3), y + next(-3, 3)}); break;
            }
        }
        Canvas forward(130, 130), backward(130, 130);
        for (std::size_t k = 0; k < forward.px.size(); ++k) forward.px[k] = backward.px[k] = static_cast<std::uint32_t>(k);
        for (std::size_t k = 0; k < lines.size(); ++k) rasterLine(forward.buf(), clip, lines[k], 1000000 + static_cast<std::uint32_t>(k));
        // Part way through, the lower rows may go to a second coverage, as
        // a thread with nothing left to do takes them over.
        Coverage cover, lower;
        cover.reset(clip);
        const std::size_t splitAt = static_cast<std::size_t>(next(0, count));
        bool split = false;
        for (std::size_t k = lines.size(); k-- > 0;) {
            if (k == splitAt && cover.middleOpenRow() >= 0) {
                cover.splitOff(cover.middleOpenRow(), lower);
                split = true;
                ++splits;
            }
            cover.draw(backward.buf(), lines[k], 1000000 + static_cast<std::uint32_t>(k));
            if (split) lower.draw(backward.buf(), lines[k], 1000000 + static_cast<std::uint32_t>(k));
        }
        ASSERT_TRUE(forward.px == backward.px) << "round " << round << (split ? ", split" : "");
    }
    EXPECT_GT(splits, 20) << "the table should hand rows over in many rounds";
}

}  // namespace
}  // namespace gc
