#include "runtime/workers.h"

namespace gc {

namespace {
// Spin this many rounds (some tens of microseconds: about the gap between two
// rows of a picture painted row by row) before sleeping, offering the core to
// other threads now and then. A plain long spin hurts badly when the machine
// is busy and the spinning thread holds a core that the other one needs; no
// spin at all pays a wake-up on every row.
constexpr int spinRounds = 4000;
constexpr int roundsPerOffer = 64;

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

template <typename T, typename Done>
void await(const std::atomic<T>& a, T old, Done done) {
    for (int k = 0; k < spinRounds; ++k) {
        if (done()) return;
        relax();
        if (k % roundsPerOffer == roundsPerOffer - 1) std::this_thread::yield();
    }
    while (!done()) a.wait(old, std::memory_order_acquire);
}
}  // namespace

Workers::Workers(int threads) {
    for (int part = 1; part < threads; ++part) threads_.emplace_back([this, part] { loop(part); });
}

Workers::~Workers() {
    stopping_.store(true, std::memory_order_release);
    generation_.fetch_add(1, std::memory_order_release);
    generation_.notify_all();
    for (auto& t : threads_) t.join();
}

void Workers::run(const std::function<void(int)>& job) {
    if (threads_.empty()) {
        job(0);
        return;
    }
    job_ = &job;
    pending_.store(static_cast<int>(threads_.size()), std::memory_order_relaxed);
    generation_.fetch_add(1, std::memory_order_release);
    generation_.notify_all();
    job(0);
    for (;;) {
        const int left = pending_.load(std::memory_order_acquire);
        if (left == 0) break;
        await(pending_, left, [this, left] { return pending_.load(std::memory_order_acquire) != left; });
    }
    job_ = nullptr;
}

void Workers::loop(int part) {
    unsigned seen = 0;
    for (;;) {
        await(generation_, seen, [this, seen] { return generation_.load(std::memory_order_acquire) != seen; });
        seen = generation_.load(std::memory_order_acquire);
        if (stopping_.load(std::memory_order_acquire)) return;
        (*job_)(part);
        if (pending_.fetch_sub(1, std::memory_order_acq_rel) == 1) pending_.notify_one();
    }
}

}  // namespace gc
