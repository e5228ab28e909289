#include "app/desktop/event_host.h"

#include <QCoreApplication>

namespace gc::desktop {

void EventHost::yieldToEvents() {
    if (sinceRefresh_.elapsed() >= refreshMs) {
        if (picture_) picture_->repaint();
        sinceRefresh_.restart();
    }
    QCoreApplication::processEvents();
}

}  // namespace gc::desktop
