#include "framework/widgets/information_box.h"

#include <QApplication>
#include <QMessageBox>

namespace korvex::app {

void ShowInformation(QWidget* parent, const QString& message) {
    // Messages separate their lines with carriage returns.
    QString text = message;
    text.replace(u'\r', u'\n');
    QMessageBox::information(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

void RejectEntry(QWidget& control, const QString& message, bool refocus) {
    ShowInformation(&control, message);
    if (refocus) control.setFocus(Qt::OtherFocusReason);
}

}  // namespace korvex::app
