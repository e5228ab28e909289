#pragma once

namespace gc::bench {

// The whole picture pass of a few names (parameters, scan, strokes, caption;
// no process start, no file), with the program's renderer on one thread and
// on every core, and the one-painter-line-a-stroke yardstick.
void registerPicturePasses();

}  // namespace gc::bench
