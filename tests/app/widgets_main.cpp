// Test main for the window's tests: a widgets application on an off-screen
// display large enough for the maximized window to show every control, so
// that clicks reach the buttons below the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>

int main(int argc, char** argv) {
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/greetcard-screens-XXXXXX.json"));
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1024, "height": 768,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
