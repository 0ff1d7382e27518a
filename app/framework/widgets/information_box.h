// The information box with an OK button in which the framework's windows
// report a rejected entry or a failed command to the user.
#pragma once

#include <QString>

class QWidget;

namespace korvex::app {

void ShowInformation(QWidget* parent, const QString& message);

// Shows the rejection of the control's entry and, when asked, gives the
// focus back to the control so that the user corrects the entry.
void RejectEntry(QWidget& control, const QString& message, bool refocus);

}  // namespace korvex::app
