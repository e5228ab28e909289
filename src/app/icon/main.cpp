// greetcard-icon: paints the icon's card and writes the icon at each size
// asked for, as OUTDIR/hicolor/SIZExSIZE/apps/greetcard.png. The build runs it
// with the hicolor sizes listed in data/CMakeLists.txt.
#include <QDir>
#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <vector>

#include "app/headless.h"
#include "app/icon/icon.h"

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int k = 2; k < argc; ++k) {
        int size = 0;
        const char* end = argv[k] + std::strlen(argv[k]);
        const auto res = std::from_chars(argv[k], end, size);
        if (res.ec != std::errc() || res.ptr != end || size < 1 || size > 1024) {
            std::fprintf(stderr, "greetcard-icon: a size is a whole number from 1 to 1024, got '%s'\n", argv[k]);
            return 2;
        }
        sizes.push_back(size);
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: greetcard-icon OUTDIR SIZE...\n");
        return 2;
    }
    // The build runs this without a display; the caption still needs fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QImage picture;
    try {
        gc::HeadlessCard card(gc::icon::iconName);
        card.card().newpicture();
        picture = card.image();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "greetcard-icon: %s\n", e.what());
        return 1;
    }

    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (const int size : sizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
        const QString file = dir + QStringLiteral("/greetcard.png");
        if (!QDir().mkpath(dir) || !gc::icon::iconImage(picture, size).save(file, "PNG")) {
            std::fprintf(stderr, "greetcard-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
