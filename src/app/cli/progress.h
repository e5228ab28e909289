#pragma once
// What a batch says while it runs, on standard error: on a terminal one
// progress line redrawn in place, elsewhere (a log, a pipe) one plain line a
// card, which keeps logs readable.
#include <chrono>
#include <iosfwd>
#include <string>

namespace gc::cli {

// "[#####---------------]  12/40  3.4 cards/s  8 s left"; the rate and time
// left appear once a card is done.
std::string progressLine(int done, int total, double seconds);

// "8 s", "3 min 05 s", "2 h 07 min".
std::string durationText(double seconds);

class BatchProgress {
public:
    BatchProgress(std::ostream& err, bool terminal, int total);

    // A message line of its own; on a terminal the progress line is drawn
    // again below it.
    void message(const std::string& line);
    void cardWritten(const std::string& path);
    void cardFailed(const std::string& why);
    // Leaves the progress line in place and moves below it.
    void finish();

private:
    void redraw();

    std::ostream& err_;
    bool terminal_;
    int total_;
    int done_ = 0;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace gc::cli
