#include "graphics/widgets/active_lines_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::app {
namespace {

QPushButton* Button(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* SideBySide(QWidget* left, QWidget* right, int margin) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(margin, 0, margin, 0);
    row->addWidget(left);
    row->addStretch();
    row->addWidget(right);
    return row;
}

}  // namespace

TfrmActiveLines::TfrmActiveLines(const QStringList& names, QStringList& status, QWidget* parent)
    : QDialog(parent), names_(names), status_(status), lbLines(new QListWidget) {
    setWindowTitle(QStringLiteral("Active Curves"));
    lbLines->setObjectName(QStringLiteral("lbLines"));
    lbLines->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* toggle = Button("ActivateDesactivateButton", QStringLiteral("Activate/Deactivate Selected"));
    auto* all = Button("ActivateButton", QStringLiteral("Activate All"));
    auto* none = Button("DesactivateButton", QStringLiteral("Deactivate All"));
    auto* btnOK = Button("btnOK", QStringLiteral("&OK"));
    auto* btnCancel = Button("btnCancel", QStringLiteral("&Cancel"));
    connect(toggle, &QPushButton::clicked, this, &TfrmActiveLines::ActivateDesactivateButtonClick);
    connect(all, &QPushButton::clicked, this, &TfrmActiveLines::ActivateButtonClick);
    connect(none, &QPushButton::clicked, this, &TfrmActiveLines::DesactivateButtonClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbLines, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SetKodeLines(lbLines->row(item));
        SetLineNames(lbLines->row(item));
    });

    auto* columns = new QHBoxLayout;
    columns->addWidget(new QLabel(QStringLiteral("Active :")));
    columns->addWidget(new QLabel(QStringLiteral("Curve")), 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(new QLabel(QStringLiteral("Select Curve to Active/Desactive")));
    layout->addLayout(columns);
    layout->addWidget(lbLines, 1);
    layout->addWidget(toggle, 0, Qt::AlignLeft);
    layout->addLayout(SideBySide(all, none, 0));
    layout->addLayout(SideBySide(btnOK, btnCancel, 10));
    setMinimumSize(190, 234);
    resize(198, 300);

    for (int i = 0; i < status_.size(); ++i) {
        lbLines->addItem(QString());
        SetLineNames(i);
    }
    if (lbLines->count() > 0) lbLines->setCurrentRow(0);
}

void TfrmActiveLines::SetLineNames(int index) {
    lbLines->item(index)->setText(status_[index] + QStringLiteral("   ") + names_.value(index));
}

void TfrmActiveLines::SetKodeLines(int index) {
    status_[index] = status_[index] == kListedStatus ? kUnlistedStatus : kListedStatus;
}

void TfrmActiveLines::SetAll(const QString& status) {
    for (int i = 0; i < status_.size(); ++i) {
        status_[i] = status;
        SetLineNames(i);
    }
}

void TfrmActiveLines::ActivateButtonClick() { SetAll(kListedStatus); }

void TfrmActiveLines::DesactivateButtonClick() { SetAll(kUnlistedStatus); }

// One selected entry: the current one is toggled; several: each of them.
void TfrmActiveLines::ActivateDesactivateButtonClick() {
    const QList<QListWidgetItem*> selected = lbLines->selectedItems();
    QList<int> rows;
    if (selected.size() == 1) rows << lbLines->currentRow();
    else
        for (int i = 0; i < lbLines->count(); ++i)
            if (lbLines->item(i)->isSelected()) rows << i;
    for (int row : rows) {
        if (row < 0) continue;
        SetKodeLines(row);
        SetLineNames(row);
    }
}

}  // namespace korvex::app
