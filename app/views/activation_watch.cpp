#include "views/activation_watch.h"

#include <QEvent>
#include <QWidget>

namespace korvex::app {

TActivationWatch::TActivationWatch(QWidget* view, std::function<void()> onActivate)
    : QObject(view), view_(view), onActivate_(std::move(onActivate)) {
    view_->installEventFilter(this);
}

void TActivationWatch::Attach() {
    if (QWidget* frame = view_->parentWidget()) frame->installEventFilter(this);
}

bool TActivationWatch::eventFilter(QObject* watched, QEvent* event) {
    const bool activated = event->type() == QEvent::WindowActivate ||
                           (watched == view_ && event->type() == QEvent::Show);
    if (activated) onActivate_();
    return QObject::eventFilter(watched, event);
}

}  // namespace korvex::app
