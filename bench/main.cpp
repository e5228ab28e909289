// greetcard-bench: how long a card's picture pass takes, against the
// straightforward way of painting it. Google Benchmark's flags are accepted
// (--benchmark_filter=ana-novak, --benchmark_out=FILE
// --benchmark_out_format=json); every pass is repeated 15 times so that the
// closing table compares medians.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <iostream>

#include "median_table.h"
#include "desktop_pass.h"
#include "picture_pass.h"

int main(int argc, char** argv) {
    // The caption needs the toolkit's font machinery, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    gc::bench::registerPicturePasses();
    gc::bench::registerDesktopPasses();
    gc::bench::MedianTable reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable(std::cout);
    benchmark::Shutdown();
    return 0;
}
