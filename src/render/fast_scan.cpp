#include "render/fast_scan.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>
#include <thread>
#include <vector>

#include "runtime/raster_cover.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace gc {

namespace {

// A position's two strokes, ready for the rasteriser. Rounded stroke ends lie
// within the rasteriser's coordinate limit, so they fit 16 bits.
struct Line16 {
    std::int16_t x1, y1, x2, y2;
};

struct PositionStrokes {
    Line16 lines[2];
    std::uint32_t pixel;
    std::uint8_t drawn;  // bit k: stroke k is drawn
};

PositionStrokes strokesOf(const PlotLocals& p) {
    PositionStrokes out{};
    out.pixel = 0xFF000000u | p.colour;
    for (int k = 0; k < 2; ++k) {
        const Stroke& st = p.strokes[static_cast<std::size_t>(k)];
        if (!st.drawn) continue;
        const auto l = roundLine(st.x1, st.y1, st.x2, st.y2);
        if (!l) continue;
        static_assert(rasterCoordinateLimit <= 32767.0);
        out.lines[k] = Line16{static_cast<std::int16_t>(l->x1), static_cast<std::int16_t>(l->y1),
                              static_cast<std::int16_t>(l->x2), static_cast<std::int16_t>(l->y2)};
        out.drawn |= static_cast<std::uint8_t>(1u << k);
    }
    return out;
}

// The slots a position inherits from the one before it.
constexpr Value PictureState::*inherited[] = {&PictureState::fi, &PictureState::ba, &PictureState::re,
                                              &PictureState::gr, &PictureState::bl, &PictureState::barva};

bool allKnown(const PictureState& s) {
    for (auto slot : inherited)
        if (std::isnan((s.*slot).num())) return false;
    return true;
}

struct Chunk {
    int firstRow, lastRow;
    Value fi1;          // fi1 before the chunk's first position
    PictureState end;   // the state after its last position
    long settledAt = -1;  // first position (in the chunk) after which all inherited slots are known
};

struct Pass {
    PictureState& s;
    int lastColumn, lastRow, columns;
    PositionStrokes* strokes;
    std::vector<Chunk> chunks;

    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column);
    }
};

// Walks the positions of a chunk in scan order on the chunk's own state, up
// to and including position `last` (counted within the chunk).
class ChunkRun {
public:
    ChunkRun(Pass& pass, Chunk& chunk, PictureState& local, long last, bool firstRun)
        : pass_(pass), chunk_(chunk), local_(local), last_(last), firstRun_(firstRun), row_(chunk.firstRow) {}

    bool more() const { return row_ <= chunk_.lastRow && n_ <= last_; }

    // The counters and model coordinates of the next position.
    PictureState& enter() {
        if (column_ == 0) {
            local_.j = Value::i16(static_cast<std::int16_t>(row_));
            y_ = modelY(local_, row_);
        }
        local_.i = Value::i16(static_cast<std::int16_t>(column_));
        local_.x = Value::dbl(modelX(local_, column_));
        local_.y = Value::dbl(y_);
        return local_;
    }

    void leave(const PlotLocals& p) {
        pass_.strokes[pass_.index(row_, column_)] = strokesOf(p);
        if (firstRun_ && chunk_.settledAt < 0 && allKnown(local_)) chunk_.settledAt = n_;
        ++n_;
        if (++column_ > pass_.lastColumn) column_ = 0, ++row_;
    }

private:
    Pass& pass_;
    Chunk& chunk_;
    PictureState& local_;
    long last_;
    bool firstRun_;
    int row_, column_ = 0;
    long n_ = 0;
    double y_ = 0;
};

void runChunk(Pass& pass, Chunk& c, PictureState& local, long last, bool firstRun) {
    ChunkRun run(pass, c, local, last, firstRun);
    while (run.more()) run.leave(runPosition(run.enter()));
}

// Two chunks at once, position by position: their dependency chains are
// independent, so the processor works on both together.
void runChunkPair(Pass& pass, Chunk& c1, PictureState& local1, Chunk& c2, PictureState& local2) {
    constexpr long all = std::numeric_limits<long>::max();
    ChunkRun a(pass, c1, local1, all, true), b(pass, c2, local2, all, true);
    PlotLocals pa, pb;
    while (a.more() && b.more()) {
        runPositionPair(a.enter(), b.enter(), pa, pb);
        a.leave(pa);
        b.leave(pb);
    }
    while (a.more()) a.leave(runPosition(a.enter()));
    while (b.more()) b.leave(runPosition(b.enter()));
}

// fi1 grows by one addition per position; each chunk needs the exact sum
// before its first position, added one step at a time as polarpos adds it.
// A step whose sum is not finite fails and leaves fi1 as it was; when no sum
// can come near overflowing (slots always hold finite numbers), the check is
// left out of the loop, which is then one addition per position.
void chunkStarts(Pass& pass) {
    const Value start = pass.s.fi1;
    const double step = pass.s.korakfi1.num();
    const double positions = static_cast<double>(pass.lastRow + 1) * (pass.lastColumn + 1);
    const bool safe = std::fabs(start.num()) + positions * std::fabs(step) < 1e300;
    double sum = start.num();
    bool stored = false;
    std::size_t next = 0;
    for (int row = 0; row <= pass.lastRow; ++row) {
        if (next < pass.chunks.size() && pass.chunks[next].firstRow == row)
            pass.chunks[next++].fi1 = stored ? Value::dbl(sum) : start;
        if (safe) {
            for (int column = 0; column <= pass.lastColumn; ++column) sum += step, stored = true;
            continue;
        }
        for (int column = 0; column <= pass.lastColumn; ++column) {
            const double t = sum + step;
            if (std::isfinite(t)) sum = t, stored = true;
        }
    }
}

void computePositions(Pass& pass, Workers& workers) {
    // Chunks go to whichever thread is free, in order. The first needs no
    // sum of fi1, so one thread starts on it while another adds up the sums
    // the others need.
    std::atomic<std::size_t> next{0};
    std::atomic<bool> startsKnown{false};
    workers.run([&pass, &next, &startsKnown](int part) {
        if (part == 0) {
            chunkStarts(pass);
            startsKnown.store(true, std::memory_order_release);
        }
        // After the first chunk, which needs no sum, chunks are taken two at
        // a time and run together.
        for (std::size_t job = next++;; job = next++) {
            const std::size_t c = job == 0 ? 0 : 2 * job - 1;
            if (c >= pass.chunks.size()) break;
            const auto fresh = [&](std::size_t k) {
                PictureState local = pass.s;
                if (k > 0) {
                    while (!startsKnown.load(std::memory_order_acquire)) std::this_thread::yield();
                    local.fi1 = pass.chunks[k].fi1;
                    for (auto slot : inherited) local.*slot = Value::dbl(std::numeric_limits<double>::quiet_NaN());
                }
                return local;
            };
            PictureState first = fresh(c);
            if (c > 0 && c + 1 < pass.chunks.size()) {
                PictureState second = fresh(c + 1);
                runChunkPair(pass, pass.chunks[c], first, pass.chunks[c + 1], second);
                pass.chunks[c + 1].end = std::move(second);
            } else {
                runChunk(pass, pass.chunks[c], first, std::numeric_limits<long>::max(), true);
            }
            pass.chunks[c].end = std::move(first);
        }
    });
    // Mend each chunk's unsettled start from the true end of the one before.
    for (std::size_t c = 1; c < pass.chunks.size(); ++c) {
        Chunk& chunk = pass.chunks[c];
        PictureState local = pass.chunks[c - 1].end;
        local.fi1 = chunk.fi1;
        if (chunk.settledAt < 0) {
            runChunk(pass, chunk, local, std::numeric_limits<long>::max(), false);
            chunk.end = std::move(local);
        } else {
            runChunk(pass, chunk, local, chunk.settledAt, false);
        }
    }
}

// How far a stroke reaches from its position's row.
constexpr int reach = 101;

// Batches of fewer rows are drawn front to back: keeping coverage would cost
// more than the pixels it saves.
constexpr int coveredBatchRows = 8;

// Draws the strokes of rows first..last, in scan order, that reach the clip.
void drawFrontToBack(const Pass& pass, const PixelBuffer& buf, int first, int last, const ClipRect& clip) {
    const int fromRow = std::max(first, clip.top - reach), toRow = std::min(last, clip.bottom + reach);
    if (fromRow > toRow || clip.left > clip.right || clip.top > clip.bottom) return;
    for (std::size_t n = pass.index(fromRow, 0), to = pass.index(toRow, pass.lastColumn); n <= to; ++n) {
        const PositionStrokes& p = pass.strokes[n];
        for (int k = 0; k < 2; ++k) {
            if (!(p.drawn & (1u << k))) continue;
            const Line16& l = p.lines[k];
            if (std::max(l.y1, l.y2) < clip.top || std::min(l.y1, l.y2) > clip.bottom) continue;
            if (std::max(l.x1, l.x2) < clip.left || std::min(l.x1, l.x2) > clip.right) continue;
            rasterLine(buf, clip, IntLine{l.x1, l.y1, l.x2, l.y2}, p.pixel);
        }
    }
}

// Draws rows of strokes back to front into a coverage, from the position
// `start` down to the first that can reach its clip. Before each position it
// answers a thread that asks for work by handing it the lower half of the
// rows still open.
class BackToFront {
public:
    static constexpr int none = -1, closed = -2;
    static constexpr long waiting = -1, refused = -2;

    BackToFront(const Pass& pass, const PixelBuffer& buf, std::vector<Coverage>& covers, int first, int threads)
        : pass_(pass), buf_(buf), covers_(covers), first_(first), asks_(static_cast<std::size_t>(threads)),
          answers_(static_cast<std::size_t>(threads)) {
        for (auto& a : asks_) a.store(closed);
        for (auto& a : answers_) a.store(waiting);
    }

    // Thread t draws into its coverage, already set up, from position start.
    void draw(int t, std::size_t start) {
        Coverage& cover = covers_[static_cast<std::size_t>(t)];
        std::atomic<int>& ask = asks_[static_cast<std::size_t>(t)];
        ask.store(none, std::memory_order_release);
        const std::size_t from = pass_.index(std::max(first_, cover.clip().top - reach), 0);
        for (std::size_t n = start + 1; n-- > from && !cover.complete();) {
            if (const int thief = ask.load(std::memory_order_acquire); thief >= 0) answer(t, thief, n, false);
            const PositionStrokes& p = pass_.strokes[n];
            for (int k = 1; k >= 0; --k)
                if (p.drawn & (1u << k)) {
                    const Line16& l = p.lines[k];
                    cover.draw(buf_, IntLine{l.x1, l.y1, l.x2, l.y2}, p.pixel);
                }
        }
        if (const int thief = ask.exchange(closed, std::memory_order_acq_rel); thief >= 0) answer(t, thief, 0, true);
    }

    // Thread t, out of work, takes over rows from the others until none has
    // any to give.
    void help(int t) {
        std::vector<bool> refusedBy(asks_.size(), false);
        for (;;) {
            bool anyOpen = false;
            int victim = -1;
            for (std::size_t v = 0; v < asks_.size() && victim < 0; ++v) {
                if (static_cast<int>(v) == t || refusedBy[v]) continue;
                int expected = none;
                if (asks_[v].compare_exchange_strong(expected, t, std::memory_order_acq_rel)) victim = static_cast<int>(v);
                else if (expected != closed) anyOpen = true;
            }
            if (victim < 0) {
                if (!anyOpen) return;
                std::this_thread::yield();
                continue;
            }
            std::atomic<long>& answer = answers_[static_cast<std::size_t>(t)];
            long start;
            while ((start = answer.load(std::memory_order_acquire)) == waiting) std::this_thread::yield();
            answer.store(waiting, std::memory_order_relaxed);
            if (start == refused) {
                refusedBy[static_cast<std::size_t>(victim)] = true;
                continue;
            }
            draw(t, static_cast<std::size_t>(start));
        }
    }

private:
    // Thread t answers a thread that asked it for work: position n is the
    // next it draws, and the other starts there too. A thread that has
    // finished has nothing to give.
    void answer(int t, int thief, std::size_t n, bool finished) {
        Coverage& cover = covers_[static_cast<std::size_t>(t)];
        const int cut = finished ? -1 : cover.middleOpenRow();
        std::atomic<long>& reply = answers_[static_cast<std::size_t>(thief)];
        if (cut >= 0) {
            cover.splitOff(cut, covers_[static_cast<std::size_t>(thief)]);
            reply.store(static_cast<long>(n), std::memory_order_release);
        } else {
            reply.store(refused, std::memory_order_release);
        }
        if (!finished) asks_[static_cast<std::size_t>(t)].store(none, std::memory_order_release);
    }

    const Pass& pass_;
    const PixelBuffer& buf_;
    std::vector<Coverage>& covers_;
    int first_;
    std::vector<std::atomic<int>> asks_;      // per thread: who asks it for work
    std::vector<std::atomic<long>> answers_;  // per thread: where to start, when given work
};

// Draws the strokes of rows first..last over what the picture holds, part by
// part of the surface, each part going to whichever thread is free. Within a
// part the strokes of a large batch are drawn back to front: the last of them
// to reach a pixel is the one that shows, as if each were drawn in scan
// order. A thread that runs out of parts takes over rows from another.
void drawRows(const Pass& pass, const PixelBuffer& buf, Workers& workers, std::vector<Coverage>& covers, int first,
              int last, const std::vector<ClipRect>& parts) {
    std::atomic<std::size_t> next{0};
    if (last - first + 1 < coveredBatchRows) {
        workers.run([&](int) {
            for (std::size_t k = next++; k < parts.size(); k = next++) drawFrontToBack(pass, buf, first, last, parts[k]);
        });
        return;
    }
    BackToFront team(pass, buf, covers, first, workers.size());
    workers.run([&](int t) {
        for (std::size_t k = next++; k < parts.size(); k = next++) {
            const ClipRect& clip = parts[k];
            covers[static_cast<std::size_t>(t)].reset(clip);
            if (clip.left > clip.right || clip.top > clip.bottom) continue;
            team.draw(t, pass.index(std::min(last, clip.bottom + reach), pass.lastColumn));
        }
        team.help(t);
    });
}

// Side by side columns over the rows that strokes of rows first..last reach.
// The positions of a row are spread evenly over its columns, so each part
// gets about the same work.
std::vector<ClipRect> columnParts(int first, int last, const PixelBuffer& buf, int parts) {
    const int top = std::max(0, first - reach), bottom = std::min(buf.height - 1, last + reach);
    std::vector<ClipRect> out;
    for (int k = 0; k < parts; ++k) out.push_back(ClipRect{buf.width * k / parts, top, buf.width * (k + 1) / parts - 1, bottom});
    return out;
}

// For the whole picture: bands of rows of equal height, cut between rows of
// coverage tiles. Drawn back to front, a band's work is about the area it
// has to cover, not the strokes that cross it.
std::vector<ClipRect> rowBands(const PixelBuffer& buf, int parts) {
    std::vector<ClipRect> out;
    int top = 0;
    for (int k = 1; k <= parts; ++k) {
        const int cut = k == parts ? buf.height : buf.height * k / parts / Coverage::tileSize * Coverage::tileSize;
        out.push_back(ClipRect{0, top, buf.width - 1, cut - 1});
        top = cut;
    }
    return out;
}

}  // namespace

struct FastScan::StrokeBuffer {
    struct Free {
        void operator()(void* p) const { std::free(p); }
    };
    std::unique_ptr<void, Free> memory;
    std::size_t size = 0;

    // Every entry is written before it is read, so nothing is initialised.
    // The buffer is asked for in huge pages where the system offers them: a
    // first picture otherwise spends much of its time taking page faults.
    PositionStrokes* take(std::size_t n) {
        if (n > size) {
            constexpr std::size_t huge = std::size_t{2} << 20;
            const std::size_t bytes = (n * sizeof(PositionStrokes) + huge - 1) / huge * huge;
            memory.reset(std::aligned_alloc(huge, bytes));
            if (!memory) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
            madvise(memory.get(), bytes, MADV_HUGEPAGE);
#endif
            size = n;
        }
        return static_cast<PositionStrokes*>(memory.get());
    }
};

FastScan::FastScan(int threads)
    : buffer_(std::make_unique<StrokeBuffer>()), workers_(threads), covers_(static_cast<std::size_t>(workers_.size())) {}

void FastScan::catchUp() {
    if (running_) running_->drawUpTo(running_->yieldRow - 1);
}
FastScan::~FastScan() = default;

bool FastScan::scan(PictureState& s, Surface& picture, Host& host, const ScanGate& gate) {
    picture.clear(composeRgb(0, 0, 0));
    const auto buf = picture.pixelAccess();
    Pass pass{s, static_cast<int>(s.sir.num()), static_cast<int>(s.vis.num()), 0, nullptr, {}};
    pass.columns = pass.lastColumn + 1;
    const std::size_t positions = static_cast<std::size_t>(pass.columns) * static_cast<std::size_t>(pass.lastRow + 1);
    StrokeBuffer own;
    StrokeBuffer& buffer = bufferTaken_ ? own : *buffer_;
    const bool tookShared = !bufferTaken_;
    bufferTaken_ = true;
    struct Release {
        bool& taken;
        bool mine;
        ~Release() {
            if (mine) taken = false;
        }
    } release{bufferTaken_, tookShared};
    pass.strokes = buffer.take(positions);
    // Several chunks per thread even out their differing costs.
    const int chunkCount = std::min(pass.lastRow + 1, 16 * workers_.size());
    for (int c = 0; c < chunkCount; ++c)
        pass.chunks.push_back(Chunk{(pass.lastRow + 1) * c / chunkCount, (pass.lastRow + 1) * (c + 1) / chunkCount - 1,
                                    {}, {}, -1});
    computePositions(pass, workers_);

    // Strokes are drawn in batches of rows, as late as they may be: before a
    // yield at which the picture is shown, when a command inside a yield asks
    // for it, and at the end. A batch is drawn over the picture as it stands,
    // so at every point it holds exactly the rows drawn so far.
    Running running{0, -1, {}};
    running.drawUpTo = [&](int row) {
        if (!buf || row <= running.drawnTo) return;
        const int first = running.drawnTo + 1;
        const auto parts = first == 0 && row == pass.lastRow ? rowBands(*buf, workers_.size())
                                                             : columnParts(first, row, *buf, workers_.size());
        drawRows(pass, *buf, workers_, covers_, first, row, parts);
        running.drawnTo = row;
    };
    // A pass started inside another's yield clears the picture: what the
    // other had not drawn yet would be cleared too.
    if (running_) running_->drawnTo = running_->yieldRow - 1;
    struct Restore {
        Running*& slot;
        Running* previous;
        ~Restore() { slot = previous; }
    } restore{running_, running_};
    running_ = &running;

    for (int row = 0; row <= pass.lastRow; ++row) {
        s.j = Value::i16(static_cast<std::int16_t>(row));
        running.yieldRow = row;
        if (host.showsPictureAtNextYield()) running.drawUpTo(row - 1);
        host.yieldToEvents();
        if (gate && !gate()) {
            running.drawUpTo(row - 1);
            return false;
        }
    }
    running.drawUpTo(pass.lastRow);

    // The slots as the last position left them, and the counters past the end.
    const PictureState& end = pass.chunks.back().end;
    for (auto slot : {&PictureState::x, &PictureState::y, &PictureState::fi1, &PictureState::fit, &PictureState::r,
                      &PictureState::fi, &PictureState::ba, &PictureState::re, &PictureState::gr, &PictureState::bl,
                      &PictureState::barva})
        s.*slot = end.*slot;
    s.i = Value::i16(static_cast<std::int16_t>(pass.lastColumn + 1));
    s.j = Value::i16(static_cast<std::int16_t>(pass.lastRow + 1));
    return true;
}

}  // namespace gc
