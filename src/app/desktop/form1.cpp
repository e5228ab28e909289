#include "app/desktop/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include "app/desktop/layout.h"
#include "app/desktop/output_folder.h"
#include "app/desktop/picture_box.h"
#include "output/image_file.h"

namespace gc::desktop {

namespace {

// The part of the window the controls take up: the least the drawing layer
// covers, whatever the window's size.
QSize controlsExtent() {
    QRect all;
    for (const ControlPlace& c : form1Controls) all |= c.rect;
    return {all.right() + 1, all.bottom() + 1};
}

}  // namespace

Form1::Form1(Form1Wiring wiring)
    : outputFolder_(wiring.outputFolder.isEmpty() ? defaultOutputFolder() : wiring.outputFolder),
      clock_(wiring.clock ? std::move(wiring.clock) : std::make_unique<SystemClock>()),
      endProgram_(wiring.endProgram ? std::move(wiring.endProgram) : [] { QCoreApplication::exit(0); }),
      // The window's own text is white, so the caption's "*" shows on black.
      layer_(controlsExtent(), font(), Qt::white, [this](const QRect& r) { update(r); }),
      Picture1(new PictureBox(picture1_, this)),
      host_(Picture1),
      dialog_(this),
      card_(Platform{picture1_, picture2_, layer_, host_, dialog_, *clock_}) {
    setWindowTitle(QStringLiteral("Form1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    QFont buttonFont = font();
    buttonFont.setPixelSize(11);
    QWidget* previous = nullptr;
    for (const ControlPlace& c : form1Controls) {
        QWidget* w = Picture1;
        if (*c.caption) {
            auto* b = new QPushButton(QString::fromUtf8(c.caption), this);
            b->setAutoDefault(false);
            b->setDefault(false);
            b->setFont(buttonFont);
            w = b;
        }
        w->setObjectName(QString::fromUtf8(c.name));
        w->setGeometry(c.rect);
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    const auto button = [this](const char* name) { return findChild<QPushButton*>(QString::fromUtf8(name)); };
    connect(button("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(button("Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(button("Command5"), &QPushButton::clicked, this, &Form1::Command5_Click);
    button("Command3")->setToolTip(QDir::toNativeSeparators(outputFolder_));

    resize(restoredClientSize);
}

void Form1::Form_Load() {
    showMaximized();
    // A folder that exists already or cannot be made is not reported: the
    // save says so when it cannot write.
    createOutputFolder(outputFolder_);
    layer_.clear();
    card_.setup();
    card_.askname();
    if (ending_) return;
    card_.makepalette();
    newpicture();
}

void Form1::newpicture() {
    const bool finished = card_.newpicture();
    Picture1->update();
    if (finished) emit pictureFinished();
}

void Form1::Command2_Click() { endProgram(); }

void Form1::Command3_Click() { saveimage(); }

void Form1::Command5_Click() {
    if (ending_) return;
    card_.askname();
    if (ending_) return;
    card_.makepalette();
    newpicture();
}

void Form1::saveimage() {
    if (ending_) return;
    card_.copyForSave();
    const QString path = pictureFilePath(outputFolder_, card_.state().imeslike);
    const std::string problem = writeImageFile(picture2_.image(), path, ImageFormat::Bmp);
    if (problem.empty()) return;
    // The picture stays on screen and the program goes on; only this save
    // is lost, and no part of the file is left behind.
    QMessageBox::warning(this, windowTitle(),
                         tr("The picture could not be saved as\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(path), QString::fromStdString(problem)));
}

void Form1::endProgram() {
    if (ending_) return;
    ending_ = true;
    // Every scan on the stack stops at its next yield, so the commands they
    // are nested in unwind without drawing anything more.
    card_.abandonPasses();
    endProgram_();
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), layer_.image(), event->rect());
}

void Form1::resizeEvent(QResizeEvent* event) {
    layer_.cover(size());
    QWidget::resizeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    endProgram();
    event->accept();
}

}  // namespace gc::desktop
