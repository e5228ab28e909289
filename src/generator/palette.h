#pragma once
#include "app/state.h"

namespace gc {

class Generator;

// Builds rows 0..601 of pal from eleven draws: one sine wave per channel with
// its own period and phase, sampled at the row numbers, whole numbers 0..252.
void makepalette(PictureState& s, Generator& gen);

inline constexpr int paletteRowLast = 601;

}  // namespace gc
