#pragma once
// Form1, the program's one window: Picture1, the hidden Picture2, the three
// buttons, and the card whose procedures they run.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/card.h"
#include "app/desktop/event_host.h"
#include "app/desktop/name_dialog.h"
#include "app/desktop/window_layer.h"
#include "runtime/clock.h"
#include "runtime/image_surface.h"

namespace gc::desktop {

class PictureBox;

// What the window is built with; the program uses the defaults, tests
// replace them.
struct Form1Wiring {
    QString outputFolder;              // empty: the default output folder
    std::unique_ptr<Clock> clock;      // null: the local clock
    std::function<void()> endProgram;  // empty: leave the event loop
};

class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Form1Wiring wiring = {});

    // Shows the window and makes the first card; returns when its picture is
    // finished, or at once when the program is ending.
    void Form_Load();

    // True once "exit" or closing the window has ended the program.
    bool ended() const { return ending_; }

    Card& card() { return card_; }
    const ImageSurface& picture() const { return picture1_; }
    const ImageSurface& copy() const { return picture2_; }
    const QImage& windowLayer() const { return layer_.image(); }
    const QString& outputFolder() const { return outputFolder_; }

signals:
    // A picture pass ran to its end and wrote its caption.
    void pictureFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void newpicture();
    void saveimage();
    void endProgram();

    QString outputFolder_;
    std::unique_ptr<Clock> clock_;
    std::function<void()> endProgram_;
    bool ending_ = false;

    ImageSurface picture1_{pictureWidth, pictureHeight};
    ImageSurface picture2_{pictureWidth, pictureHeight};
    WindowLayer layer_;
    PictureBox* Picture1;
    EventHost host_;
    ModalNameDialog dialog_;
    Card card_;
};

}  // namespace gc::desktop
