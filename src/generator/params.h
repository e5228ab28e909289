#pragma once
#include "app/state.h"

namespace gc {

class Clock;
class Generator;

// Opens a picture: names it from the clock ("T" + yyyymmddhhmmss), draws the
// nine per-picture parameters and resets the accumulated angle.
void setparams(PictureState& s, Generator& gen, Clock& clock);

// The classic runtime's Mid: up to n characters from 1-based position start;
// empty when start lies past the end.
std::string mid(const std::string& text, std::size_t start, std::size_t n);

}  // namespace gc
