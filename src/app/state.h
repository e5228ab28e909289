#pragma once
// The picture state record: the named slots through which every procedure of
// a card talks to the others. One record per window, created empty, never
// reset; a statement that fails leaves its slot as it was.
#include <array>
#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace gc {

struct PictureState {
    static constexpr int kodeLast = 100;
    static constexpr int palRowLast = 610;
    static constexpr int palColLast = 3;

    Value sir, vis;          // drawing width and height in pixels
    std::string imeslike;    // picture name: "T" + yyyymmddhhmmss
    Value i, j;              // pixel column and row; loop counters
    Value x, y;              // model coordinates of the current pixel
    Value polx, poly;        // half the model width and height
    Value dx, dy;            // pixels per model unit
    Value r6;                // nothing writes it: it stays empty
    Value ba;                // base value
    Value re, gr, bl;        // channel values; palette work slots
    Value barva;             // colour index
    Value tip1, tip2, tip3;  // formula selectors
    Value pozic0;            // palette offset
    Value fi0, r0;           // phase and radius of the moving centre
    Value korakfi1;          // angle step of the centre per pixel
    Value fi1;               // angle accumulated since the picture began
    Value fit;               // current angle of the moving centre
    Value r, fi;             // polar position about the moving centre
    Value fak1, fak2, fak3;  // channel factors
    std::string t;           // the entered name
    std::string t1, t2;      // the two prompt lines
    Value seed;              // seed derived from the name
    Value dolz;              // length of the name

    std::array<std::int16_t, kodeLast + 1> kode{};                        // 0..100
    std::array<std::array<Value, palColLast + 1>, palRowLast + 1> pal{};  // 0..610 x 0..3
};

}  // namespace gc
