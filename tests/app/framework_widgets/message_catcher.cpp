#include "message_catcher.h"

#include <QApplication>
#include <QMessageBox>

TMessageCatcher::TMessageCatcher() {
    connect(&timer_, &QTimer::timeout, this, [this] { CloseOpenBox(); });
    timer_.start(10);
}

void TMessageCatcher::CloseOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    messages_ << box->text();
    box->accept();
}
