#pragma once
// The picture pass as it is run for real: the same procedures as scanpixels,
// spread over a team of threads, giving the very same pixels and slots.
//
// 1. Every position's pipeline runs in chunks of rows, one chunk per job. A
//    chunk cannot know the values its first position inherits from the
//    previous one (those slots matter only where a statement fails), so it
//    starts them as NaN: a statement that reads one fails and keeps it NaN.
//    Once all six inherited slots hold numbers again the chunk's results are
//    the true ones; the few positions before that are run again, in order,
//    from the previous chunk's true end state.
// 2. The strokes are drawn in scan order, the surface split into horizontal
//    bands, one per thread; each band takes every stroke that reaches it, so
//    later strokes still cover earlier ones. When the host shows progress the
//    strokes are drawn row by row between the yields, else all at the end.
#include <memory>

#include "app/state.h"
#include "render/scan.h"
#include "runtime/platform.h"
#include "runtime/workers.h"

namespace gc {

class FastScan {
public:
    explicit FastScan(int threads);
    ~FastScan();

    // Same contract as scanpixels without an observer; the surface must give
    // pixel access.
    bool scan(PictureState& s, Surface& picture, Host& host, const ScanGate& gate);

private:
    struct StrokeBuffer;
    // Kept from pass to pass: filling a fresh buffer's pages costs more than
    // some of the work. A pass started inside another's yield finds it taken
    // and makes its own.
    std::unique_ptr<StrokeBuffer> buffer_;
    bool bufferTaken_ = false;
    Workers workers_;
};

}  // namespace gc
