// The About box of the main window.
#include "shell/main_form.h"

#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace korvex::app {

void TMainForm::ShowAbout() {
    QDialog box(this);
    box.setWindowTitle(QStringLiteral("About Korvex"));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(QStringLiteral("Korvex"), &box));
    layout->addWidget(new QLabel(QStringLiteral("Version 2015.5.21"), &box));
    layout->addWidget(new QLabel(QStringLiteral("A program for the analysis of flexible retaining structures"), &box));
    auto* dates = new QFormLayout;
    const QLocale locale;
    dates->addRow(QStringLiteral("Today's Date:"), new QLabel(locale.toString(QDate::currentDate(), QLocale::ShortFormat), &box));
    dates->addRow(QStringLiteral("Current Release Date:"),
                  new QLabel(locale.toString(QDate(2018, 9, 12), QLocale::ShortFormat), &box));
    layout->addLayout(dates);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

}  // namespace korvex::app
