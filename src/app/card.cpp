#include "app/card.h"

#include "generator/palette.h"
#include "generator/params.h"
#include "output/greeting.h"
#include "render/fast_scan.h"

namespace gc {

void setupSlots(PictureState& s) {
    constexpr std::int16_t modelWidth = 12, modelHeight = 9;
    s.t1 = "enter your name and surname";
    s.t2 = "small letters (lowercase, no \u010D\u0161\u017E)";
    s.sir = Value::i16(pictureWidth);
    s.vis = Value::i16(pictureHeight);
    s.polx = Value::dbl(static_cast<double>(modelWidth) / 2);
    s.poly = Value::dbl(static_cast<double>(modelHeight) / 2);
    s.dx = Value::dbl(s.sir.num() / modelWidth);
    s.dy = Value::dbl(s.vis.num() / modelHeight);
}

Card::Card(Platform platform) : p_(platform) {}
Card::~Card() = default;

void Card::setThreads(int threads) {
    threads_ = threads < 1 ? 1 : threads;
    fast_.reset();
}

void Card::askname() { gc::askname(s_, p_.dialog, gen_); }

void Card::makepalette() { gc::makepalette(s_, gen_); }

void Card::drawParams() {
    setparams(s_, gen_, p_.clock);
    for (const ParamSetting& o : overrides_) applySetting(s_, o);
}

bool Card::newpicture(const PixelObserver& observer) {
    const unsigned mine = ++passesStarted_;
    drawParams();
    const ScanGate stillCurrent = [this, mine] { return passesStarted_ == mine; };
    // The plain scan serves observers, which watch every position as it is
    // done, and surfaces without pixel access; the fast one gives the same
    // pixels and slots.
    bool finished = false;
    if (observer || !p_.picture.pixelAccess()) {
        finished = scanpixels(s_, p_.picture, p_.host, stillCurrent, observer);
    } else {
        if (!fast_) fast_ = std::make_unique<FastScan>(threads_);
        finished = fast_->scan(s_, p_.picture, p_.host, stillCurrent);
    }
    if (!finished) return false;
    writegreeting(s_, p_.picture, p_.window);
    return true;
}

void Card::copyForSave() {
    // A save pressed during a pass copies every row painted so far.
    if (fast_) fast_->catchUp();
    const int lastColumn = static_cast<int>(s_.sir.num());
    const int lastRow = static_cast<int>(s_.vis.num());
    for (int column = 0; column <= lastColumn; ++column) {
        s_.i = Value::i16(static_cast<std::int16_t>(column));
        for (int row = 0; row <= lastRow; ++row) {
            s_.j = Value::i16(static_cast<std::int16_t>(row));
            p_.copy.setPoint(column, row, p_.picture.point(column, row));
        }
        p_.window.drawLine(column + 31, 560, column + 31, 567, composeRgb(255, 255, 255));
        p_.window.drawLine(column + 29, 560, column + 29, 567, composeRgb(0, 0, 0));
    }
    s_.i = Value::i16(static_cast<std::int16_t>(lastColumn + 1));
    s_.j = Value::i16(static_cast<std::int16_t>(lastRow + 1));
}

}  // namespace gc
