#pragma once
// Drives Form1 the way a user would: answers its name dialogs, closes its
// message boxes and presses buttons in the middle of a scan, all from timers
// that run while the window's own loops are waiting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/desktop/form1.h"
#include "app/desktop/name_dialog.h"
#include "app/headless.h"

namespace gc::desktop::test {

// One answer to the name dialog: text typed, then Enter, or Escape.
struct Answer {
    QString typed;
    bool cancel = false;
};

struct DialogSeen {
    QString prompt;
    bool fieldWasEmpty;
    QPoint place;
};

// Polls for a modal widget of type W that it has not handled yet.
template <typename W>
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(W&)> handle) : handle_(std::move(handle)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* w = dynamic_cast<W*>(QApplication::activeModalWidget());
            if (!w || w->property("gcHandled").toBool()) return;
            w->setProperty("gcHandled", true);
            handle_(*w);
        });
        timer_.start(0);  // looks at every yield
    }

private:
    std::function<void(W&)> handle_;
    QTimer timer_;
};

// Answers the name dialogs in order; a dialog beyond the script fails the
// test and is cancelled.
class DialogScript {
public:
    explicit DialogScript(std::vector<Answer> answers)
        : answers_(std::move(answers)), watcher_([this](NameEntryDialog& d) { answer(d); }) {}
    const std::vector<DialogSeen>& seen() const { return seen_; }

private:
    void answer(NameEntryDialog& d) {
        seen_.push_back({d.prompt(), d.text().isEmpty(), d.pos()});
        if (seen_.size() > answers_.size()) {
            ADD_FAILURE() << "name dialog " << seen_.size() << " was not expected";
            QTest::keyClick(d.field(), Qt::Key_Escape);
            return;
        }
        const Answer& a = answers_[seen_.size() - 1];
        // Key by key, as typed; letters beyond ASCII have no key code of
        // their own and come as text.
        for (const QChar c : a.typed) {
            if (c.unicode() < 0x80)
                QTest::keyClick(d.field(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, d.field(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(d.field(), a.cancel ? Qt::Key_Escape : Qt::Key_Return);
    }

    std::vector<Answer> answers_;
    std::vector<DialogSeen> seen_;
    ModalWatcher<NameEntryDialog> watcher_;
};

// Records and closes every message box.
class MessageBoxCloser {
public:
    MessageBoxCloser()
        : watcher_([this](QMessageBox& box) {
              texts.push_back(box.text());
              box.done(QMessageBox::Ok);
          }) {}
    std::vector<QString> texts;

private:
    ModalWatcher<QMessageBox> watcher_;
};

// Runs an action once from inside the scan's yield, when the scan is about
// to paint the given row: what a button pressed at that moment does.
class AtRow {
public:
    AtRow(Form1& form, int row, std::function<void()> action) : action_(std::move(action)) {
        QObject::connect(&timer_, &QTimer::timeout, [this, &form, row] {
            const double j = form.card().state().j.num();
            if (j < row || j > 525) return;
            timer_.stop();
            ++fired;
            row_ = static_cast<int>(j);
            action_();
        });
        timer_.start(0);  // looks at every yield
    }
    int fired = 0;
    int row() const { return row_; }

private:
    std::function<void()> action_;
    int row_ = -1;
    QTimer timer_;
};

// The card that the engine alone paints for a name.
inline QImage headlessPicture(const std::string& name) {
    HeadlessCard h(name);
    EXPECT_TRUE(h.card().newpicture());
    return h.picture().image();
}

// The engine's picture of a name when its pass is ended at the yield before
// the given row: the rows above it and nothing else.
inline QImage headlessPictureUpTo(const std::string& name, int row) {
    struct StopAt final : Host {
        Card* card = nullptr;
        int yields = 0, stopRow = 0;
        void yieldToEvents() override {
            if (yields++ == stopRow) card->abandonPasses();
        }
    } host;
    ImageSurface picture(pictureWidth, pictureHeight), copy(pictureWidth, pictureHeight);
    NoWindow window;
    GivenName dialog(name);
    FixedClock clock("01-03-2010", "14:05:09");
    Card card(Platform{picture, copy, window, host, dialog, clock});
    host.card = &card;
    host.stopRow = row;
    card.setup();
    card.askname();
    card.makepalette();
    EXPECT_FALSE(card.newpicture());
    return picture.image();
}

inline constexpr const char* fixedStamp = "T20100103140509";

class DesktopTest : public ::testing::Test {
protected:
    // A window whose clock is fixed and whose "exit" only counts.
    Form1& makeForm(const QString& folder) {
        form = std::make_unique<Form1>(
            Form1Wiring{folder, std::make_unique<FixedClock>("01-03-2010", "14:05:09"), [this] { ++exits; }});
        QObject::connect(form.get(), &Form1::pictureFinished, [this] { ++finished; });
        return *form;
    }

    QString folder() const { return dir.filePath(QStringLiteral("wimgx")); }
    QString savedFile() const { return folder() + "/" + fixedStamp + ".bmp"; }

    QPushButton& button(const char* name) {
        auto* b = form->findChild<QPushButton*>(QString::fromUtf8(name));
        if (!b) throw std::runtime_error(std::string("no button ") + name);
        return *b;
    }
    void click(const char* name) { QTest::mouseClick(&button(name), Qt::LeftButton); }

    QTemporaryDir dir;
    std::unique_ptr<Form1> form;
    int exits = 0;
    int finished = 0;
};

}  // namespace gc::desktop::test
