#pragma once

namespace gc::bench {

// The picture pass as the desktop program runs it: in the real window, with
// a yield to the event loop before every row and the picture brought up to
// date on screen as it grows. Needs a QApplication.
void registerDesktopPasses();

}  // namespace gc::bench
