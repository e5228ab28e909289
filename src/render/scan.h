#pragma once
#include <functional>

#include "app/state.h"
#include "render/pipeline.h"
#include "runtime/platform.h"

namespace gc {

inline constexpr int scanColumnLast = 700;  // sir: one column past the surface
inline constexpr int scanRowLast = 525;     // vis: one row past the surface

// Called after each position's whole pipeline, with the slots and plotpixel's
// locals as they are then.
using PixelObserver = std::function<void(const PictureState&, const PlotLocals&)>;

// Decides after every row's yield whether the scan goes on. A front end whose
// commands run inside the yield uses it to end a scan that a nested picture
// pass has replaced.
using ScanGate = std::function<bool()>;

// Clears the surface to black and runs the pipeline for every position, row
// by row from the top, yielding to the host before each row. Returns false
// when the gate ended the scan early.
bool scanpixels(PictureState& s, Surface& picture, Host& host, const ScanGate& gate = {},
                const PixelObserver& observer = {});

// Model coordinates of a position.
double modelX(const PictureState& s, int column);
double modelY(const PictureState& s, int row);

}  // namespace gc
