#pragma once
#include <string>

#include "app/state.h"
#include "runtime/platform.h"

namespace gc {

// The maker's address that ends every caption. A reserved example domain:
// it points at no one.
inline constexpr const char* makerHost = "www.greetcard.example";

// The caption: the name, then the greeting, six spaces and the maker's host.
std::string captionText(const std::string& name);

// Writes the caption across the bottom of the picture, black at (10, 490)
// and bright white one pixel right and down, then "*" at the window's corner.
void writegreeting(const PictureState& s, Surface& picture, Window& window);

}  // namespace gc
