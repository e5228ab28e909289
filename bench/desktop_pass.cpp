#include "desktop_pass.h"

#include <benchmark/benchmark.h>

#include "app/desktop/form1.h"
#include "app/headless.h"
#include "median_table.h"

namespace gc::bench {

namespace {

void desktop(benchmark::State& bs, const char* name) {
    desktop::Form1 form;
    form.showMaximized();
    Card& card = form.card();
    card.setup();
    GivenName dialog(name);
    askname(card.state(), dialog, card.generator());
    card.makepalette();
    const PictureState state = card.state();
    const MersenneGenerator generator = static_cast<MersenneGenerator&>(card.generator());
    for (auto _ : bs) {
        bs.PauseTiming();
        card.state() = state;
        static_cast<MersenneGenerator&>(card.generator()) = generator;
        bs.ResumeTiming();
        benchmark::DoNotOptimize(card.newpicture());
    }
}

}  // namespace

void registerDesktopPasses() {
    for (const char* name : {"ana novak"}) {
        benchmark::RegisterBenchmark(passName(desktopWindow, name).c_str(), desktop, name)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(15)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace gc::bench
