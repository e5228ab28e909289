// greetcard: the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/desktop/form1.h"
#include "app/version.h"

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so it works without a display.
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("greetcard %s\n", gc::version);
        return 0;
    }
    QApplication app(argc, argv);
    gc::desktop::Form1 form;
    form.Form_Load();
    // "exit" during the first picture ends the program before the event
    // loop has started.
    if (form.ended()) return 0;
    return app.exec();
}
