#pragma once
// The scan's yield on the desktop: the window system handles what is pending
// (button presses run their commands here), and the picture on screen is
// brought up to date now and then rather than after every row, so showing
// the picture costs little of the pass.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "runtime/platform.h"

namespace gc::desktop {

class EventHost final : public Host {
public:
    static constexpr int refreshMs = 40;

    explicit EventHost(QWidget* picture) : picture_(picture) { sinceRefresh_.start(); }

    void yieldToEvents() override;

private:
    QPointer<QWidget> picture_;
    QElapsedTimer sinceRefresh_;
};

}  // namespace gc::desktop
