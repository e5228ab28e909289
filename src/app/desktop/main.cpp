// greetcard: the desktop program.
#include <QApplication>

#include "app/desktop/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gc::desktop::Form1 form;
    form.Form_Load();
    // "exit" during the first picture ends the program before the event
    // loop has started.
    if (form.ended()) return 0;
    return app.exec();
}
