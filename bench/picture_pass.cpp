#include "picture_pass.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

#include "app/headless.h"
#include "generator/params.h"
#include "median_table.h"
#include "output/greeting.h"
#include "painter_surface.h"
#include "render/scan.h"

namespace gc::bench {

namespace {

// Names whose pictures run different formula variants.
const char* const names[] = {"ana novak", "zoe", "happy new year"};

// The card as the name leaves it, before its first picture: every iteration
// starts from here, so every iteration paints the same first picture.
struct Start {
    explicit Start(const char* name) : headless(name) {
        state = headless.card().state();
        generator = static_cast<MersenneGenerator&>(headless.card().generator());
    }
    void restore() {
        headless.card().state() = state;
        static_cast<MersenneGenerator&>(headless.card().generator()) = generator;
    }
    HeadlessCard headless;
    PictureState state;
    MersenneGenerator generator;
};

void ours(benchmark::State& bs, const char* name, int threads) {
    Start start(name);
    Card& card = start.headless.card();
    card.setThreads(threads);
    for (auto _ : bs) {
        bs.PauseTiming();
        start.restore();
        bs.ResumeTiming();
        benchmark::DoNotOptimize(card.newpicture());
    }
}

void painted(benchmark::State& bs, const char* name) {
    Start start(name);
    PainterSurface surface(pictureWidth, pictureHeight);
    NoYield host;
    NoWindow window;
    const auto clock = headlessClock();
    for (auto _ : bs) {
        bs.PauseTiming();
        PictureState s = start.state;
        MersenneGenerator generator = start.generator;
        bs.ResumeTiming();
        setparams(s, generator, *clock);
        scanpixels(s, surface, host);
        writegreeting(s, surface, window);
    }
    benchmark::DoNotOptimize(surface.image().constBits());
}

void configure(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);
}

}  // namespace

void registerPicturePasses() {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    for (const char* name : names) {
        configure(benchmark::RegisterBenchmark(passName(oneThread, name).c_str(), ours, name, 1));
        if (cores > 1) configure(benchmark::RegisterBenchmark(passName(allCores, name).c_str(), ours, name, cores));
        configure(benchmark::RegisterBenchmark(passName(painterLines, name).c_str(), painted, name));
    }
}

}  // namespace gc::bench
