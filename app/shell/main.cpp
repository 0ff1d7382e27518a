// Korvex2015: the desktop application. Starts with a new project, or with
// the project file named on the command line.
#include "shell/main_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVEX 2015"));
    QApplication::setOrganizationName(QStringLiteral("Vandre"));
    korvex::app::TMainForm form;
    const QStringList arguments = QApplication::arguments();
    form.StartUp(arguments.size() > 1 ? arguments.at(1) : QString());
    form.show();
    return QApplication::exec();
}
