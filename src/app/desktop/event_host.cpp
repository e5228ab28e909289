#include "app/desktop/event_host.h"

#include <QCoreApplication>

namespace gc::desktop {

bool EventHost::showsPictureAtNextYield() const {
    promised_ = picture_ && sinceRefresh_.elapsed() >= refreshMs;
    return *promised_;
}

void EventHost::yieldToEvents() {
    const bool due = promised_.value_or(sinceRefresh_.elapsed() >= refreshMs);
    promised_.reset();
    if (due) {
        if (picture_) picture_->repaint();
        sinceRefresh_.restart();
    }
    QCoreApplication::processEvents();
}

}  // namespace gc::desktop
