// greetcard-cli: the card engine without a window.
#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

#include "app/cli/commands.h"
#include "app/version.h"

int main(int argc, char** argv) {
    using namespace gc::cli;
    if (argc > 1 && std::string(argv[1]) == "--version") {
        std::cout << "greetcard-cli " << gc::version << '\n';
        return 0;
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << usageText;
            return 0;
        }
    }
    Options options;
    try {
        options = parseOptions(args);
    } catch (const UsageError& e) {
        std::cerr << "greetcard-cli: " << e.what() << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    if (options.verb == "info") return runInfo(options, std::cout, std::cerr);

    // The caption needs the toolkit's font machinery; the off-screen platform
    // gives it without a display, and the same pixels wherever the tool runs.
    // The tool reports its own errors, so the toolkit's chatter is dropped.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    if (options.verb == "trace") return runTrace(options, std::cout);
    if (options.verb == "batch") return runBatch(options, std::cerr, isatty(STDERR_FILENO) != 0);
    return runRender(options, std::cerr);
}
