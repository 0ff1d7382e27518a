#include "shell/dialog_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace korvex::app {

QStringList DialogFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) names << parts[i];
    return names;
}

void TDialogPrompts::Information(const QString& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), text);
}

TAnswer TDialogPrompts::Confirm(const QString& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent_, QApplication::applicationName(), text, buttons)) {
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    default: return withCancel ? TAnswer::Cancel : TAnswer::No;
    }
}

std::optional<TOpenChoice> TDialogPrompts::OpenFileName(const QString& filter) {
    QFileDialog dialog(parent_);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(DialogFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const int index = static_cast<int>(DialogFilters(filter).indexOf(dialog.selectedNameFilter()));
    return TOpenChoice{dialog.selectedFiles().first(), std::max(index, 0)};
}

std::optional<QString> TDialogPrompts::SaveFileName(const QString& title, const QString& proposal,
                                                    const QString& filter) {
    QFileDialog dialog(parent_, title, proposal);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(DialogFilters(filter));
    dialog.setDefaultSuffix(QStringLiteral("rw5d"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace korvex::app
