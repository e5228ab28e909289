#pragma once
// What a card needs of its platform: drawing surfaces, the window itself and
// the yield to the event loop. The desktop program, the command-line tool and
// the tests each provide their own.
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/raster.h"

namespace gc {

using Rgb = std::uint32_t;  // 0xRRGGBB

inline constexpr Rgb black = 0x000000;       // colour table entry 0
inline constexpr Rgb brightWhite = 0xFFFFFF;  // colour table entry 15

// Compose a colour from three whole channels; a channel above 255 counts as
// 255. Channels are never negative where the program composes colours.
constexpr Rgb composeRgb(int red, int green, int blue) {
    const auto c = [](int v) { return static_cast<Rgb>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return (c(red) << 16) | (c(green) << 8) | c(blue);
}

// A drawing surface that keeps what is drawn on it until it is cleared.
class Surface {
public:
    virtual ~Surface() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Set the background colour, which clears the surface to it.
    virtual void clear(Rgb colour) = 0;
    // A straight line between two points, clipped to the surface.
    virtual void drawLine(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // Print a text with its top-left corner at (x, y).
    virtual void print(int x, int y, int points, Rgb colour, std::string_view text) = 0;
    // Points outside the surface read as black and ignore writes.
    virtual Rgb point(int x, int y) const = 0;
    virtual void setPoint(int x, int y, Rgb colour) = 0;
    // Direct access to the pixels (0xFFRRGGBB) for renderers that draw
    // strokes themselves with the same rasteriser; nullopt when there is none.
    virtual std::optional<PixelBuffer> pixelAccess() { return std::nullopt; }
};

// The window that carries the surfaces: the save marker and the caption's
// asterisk are drawn on it directly.
class Window {
public:
    virtual ~Window() = default;
    virtual void drawLine(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    virtual void print(int x, int y, std::string_view text) = 0;
};

// Lets the window system handle pending events in the middle of a scan.
class Host {
public:
    virtual ~Host() = default;
    virtual void yieldToEvents() = 0;
    // Whether the coming yield shows the picture: a scan must then have
    // painted every row above the current one. Otherwise it may hold strokes
    // back and paint them later in one go.
    virtual bool showsPictureAtNextYield() const { return true; }
};

// For front ends without a window.
class NoWindow final : public Window {
public:
    void drawLine(int, int, int, int, Rgb) override {}
    void print(int, int, std::string_view) override {}
};

class NoYield final : public Host {
public:
    void yieldToEvents() override {}
    bool showsPictureAtNextYield() const override { return false; }
};

}  // namespace gc
