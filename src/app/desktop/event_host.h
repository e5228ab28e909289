#pragma once
// The scan's yield on the desktop: the window system handles what is pending
// (button presses run their commands here), and the picture on screen is
// brought up to date now and then rather than after every row, so showing
// the picture costs little of the pass.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "runtime/platform.h"

namespace gc::desktop {

class EventHost final : public Host {
public:
    static constexpr int refreshMs = 40;

    explicit EventHost(QWidget* picture) : picture_(picture) { sinceRefresh_.start(); }

    void yieldToEvents() override;
    // The answer holds for the yield that follows, so that a scan which
    // brought the picture up to date for it is the one that gets shown.
    bool showsPictureAtNextYield() const override;

private:
    QPointer<QWidget> picture_;
    QElapsedTimer sinceRefresh_;
    mutable std::optional<bool> promised_;
};

}  // namespace gc::desktop
