#pragma once
// The picture pass as it is run for real: the same procedures as scanpixels,
// spread over a team of threads, giving the very same pixels and slots.
//
// 1. Every position's pipeline runs in chunks of rows, two chunks per job,
//    stepped together. A chunk cannot know the values its first position
//    inherits from the previous one (those slots matter only where a
//    statement fails), so it starts them as NaN: a statement that reads one
//    fails and keeps it NaN. Once all six inherited slots hold numbers again
//    the chunk's results are the true ones; the few positions before that
//    are run again, in order, from the previous chunk's true end state.
// 2. The strokes are drawn in batches of rows, the surface split into parts
//    handed to the threads. Within a part a batch is drawn back to front,
//    writing only pixels that no later stroke of the batch reaches: the
//    picture is that of drawing them in scan order. A thread out of work
//    takes over rows that another has still to cover. A batch is drawn when
//    the picture must be up to date: before a yield at which the host shows
//    it, when a command inside a yield asks for it, and at the end.
#include <functional>
#include <memory>
#include <vector>

#include "app/state.h"
#include "render/scan.h"
#include "runtime/platform.h"
#include "runtime/raster_cover.h"
#include "runtime/workers.h"

namespace gc {

class FastScan {
public:
    explicit FastScan(int threads);
    ~FastScan();

    // Same contract as scanpixels without an observer; the surface must give
    // pixel access.
    bool scan(PictureState& s, Surface& picture, Host& host, const ScanGate& gate);

    // Called from inside a yield: draws what the running pass still holds
    // back, so that the picture shows every row above the one about to be
    // painted. A command that reads the picture calls this first.
    void catchUp();

private:
    // The pass now running; the innermost when one runs inside another's yield.
    struct Running {
        int yieldRow;  // the row whose yield is under way
        int drawnTo;   // the last row whose strokes are on the picture
        std::function<void(int)> drawUpTo;
    };
    Running* running_ = nullptr;
    struct StrokeBuffer;
    // Kept from pass to pass: filling a fresh buffer's pages costs more than
    // some of the work. A pass started inside another's yield finds it taken
    // and makes its own.
    std::unique_ptr<StrokeBuffer> buffer_;
    bool bufferTaken_ = false;
    Workers workers_;
    std::vector<Coverage> covers_;  // one per thread
};

}  // namespace gc
