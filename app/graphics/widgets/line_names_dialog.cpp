#include "graphics/widgets/line_names_dialog.h"

#include "graphics/widgets/curve_palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::app {

TfrmLineNames::TfrmLineNames(QStringList& names, QWidget* parent)
    : QDialog(parent), names_(names), lbLines(new QListWidget), edLine(new QLineEdit) {
    setWindowTitle(QStringLiteral("Legend"));
    lbLines->setObjectName(QStringLiteral("lbLines"));
    edLine->setObjectName(QStringLiteral("edLine"));
    auto* btnOK = new QPushButton(QStringLiteral("&OK"));
    auto* btnCancel = new QPushButton(QStringLiteral("&Cancel"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Enter belongs to the edit (it renames the entry), not to a button.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 0, 10, 0);
    buttons->addWidget(btnOK);
    buttons->addStretch();
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 5, 10, 5);
    layout->setSpacing(5);
    layout->addWidget(new QLabel(QStringLiteral("Select line to modify:")));
    layout->addWidget(lbLines, 1);
    layout->addWidget(new QLabel(QStringLiteral("Type new legend below:")));
    layout->addWidget(edLine);
    layout->addLayout(buttons);
    setMinimumSize(195, 167);
    resize(248, 226);

    lbLines->addItems(names_);
    connect(lbLines, &QListWidget::currentRowChanged, this, &TfrmLineNames::lbLinesClick);
    connect(lbLines, &QListWidget::itemClicked, this, &TfrmLineNames::lbLinesClick);
    connect(edLine, &QLineEdit::editingFinished, this, &TfrmLineNames::edLineExit);
    if (lbLines->count() > 0) lbLines->setCurrentRow(0);
}

// Shows the current entry in the edit, in the colour of its curve.
void TfrmLineNames::lbLinesClick() {
    const int row = lbLines->currentRow();
    if (row < 0) return;
    edLine->setText(lbLines->item(row)->text());
    QPalette palette = edLine->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, CurveColour(row));
    edLine->setPalette(palette);
}

void TfrmLineNames::edLineExit() {
    QListWidgetItem* current = lbLines->currentItem();
    if (current == nullptr || checking_) return;
    if (!edLine->text().isEmpty()) {
        current->setText(edLine->text());
        return;
    }
    checking_ = true;
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), QStringLiteral("The line must have a name!"), QMessageBox::Ok, this);
    box.exec();
    edLine->setText(current->text());
    checking_ = false;
}

void TfrmLineNames::done(int result) {
    // Leaving the edit by a button counts as leaving it: a typed name is kept.
    if (lbLines->currentItem() != nullptr && !edLine->text().isEmpty()) lbLines->currentItem()->setText(edLine->text());
    for (int i = 0; i < lbLines->count() && i < names_.size(); ++i) names_[i] = lbLines->item(i)->text();
    QDialog::done(result);
}

}  // namespace korvex::app
